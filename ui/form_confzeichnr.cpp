#include "ui/form_confzeichnr.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "base/format.h"
#include "base/text.h"
#include "ui/bound_number.h"
#include "ui/dialog_widgets.h"

namespace vx11 {

namespace {

QLineEdit* edit(const char* name, const QString& text, QWidget* parent, int chars) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  e->setMinimumWidth(e->fontMetrics().averageCharWidth() * chars);
  return e;
}

std::string first_word(const std::string& line) {
  const std::string t = trimBlanks(line);
  return t.substr(0, t.find(' '));
}

}  // namespace

TForm_confzeichnr::TForm_confzeichnr(const FormatSettings& format, const std::string& line,
                                     const std::string& temp_folder, Interaction& ui,
                                     std::function<std::optional<QString>(const QString&)> pick_folder, QWidget* parent)
    : QDialog(parent), format_(format) {
  setObjectName("TForm_confzeichnr");
  setWindowTitle(QStringLiteral("ZEICHNR"));
  setModal(true);
  const PlotDialogFields start;
  const auto num = [&format](Real x) { return QString::fromStdString(trimBlanks(fmtSig(format, x))); };
  auto* outer = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  // The command line holds program and folder names: shown and kept as the file system has them.
  path_ = edit("Edit_zeichnrPath", QString::fromStdString(first_word(line)), this, 30);
  auto* browse = side_button(QStringLiteral("..."), "Button_zeichnrPath", this);
  connect(browse, &QPushButton::clicked, this, [this, &ui] {
    if (auto p = ui.open_file("ZEICHNR", "", "wzeichnr.exe|wzeichnr.exe|zeichnr.exe|zeichnr.exe"))
      path_->setText(QString::fromStdString(*p));
  });
  auto* path_row = new QHBoxLayout;
  path_row->addWidget(path_);
  path_row->addWidget(browse);
  form->addRow(QStringLiteral("Programm"), path_row);
  outdir_ = edit("Edit_outdir", QString(), this, 30);
  auto* dir = side_button(QStringLiteral("Dir..."), "Button_outdir", this);
  auto* temp = side_button(QStringLiteral("<"), "Button_temp", this);
  const QString temp_text = QString::fromStdString(temp_folder);
  connect(dir, &QPushButton::clicked, this, [this, pick_folder] {
    if (!pick_folder) return;
    if (auto f = pick_folder(outdir_->text())) outdir_->setText(*f);
  });
  connect(temp, &QPushButton::clicked, this, [this, temp_text] { outdir_->setText(temp_text); });
  auto* dir_row = new QHBoxLayout;
  dir_row->addWidget(outdir_);
  dir_row->addWidget(dir);
  dir_row->addWidget(temp);
  form->addRow(QStringLiteral("Ausgabeordner"), dir_row);
  outer->addLayout(form);

  auto* groups = new QHBoxLayout;
  groups->addWidget(radio_group("RadioGroup_outcode", QStringLiteral("Ausgabeformat"),
                                {QStringLiteral("HP-GL Laserjet (HPL)"), QStringLiteral("Postscript  (PS)"),
                                 QStringLiteral("HP-GL Plotter (PLT)"), QStringLiteral("HP-GL/2 (PL2)"),
                                 QStringLiteral("Aristo  (ART)")},
                                static_cast<int>(start.format), outcode_, this));
  groups->addWidget(radio_group("RadioGroup_d", QStringLiteral("Schnittstelle"),
                                {QStringLiteral("seriell"), QStringLiteral("parallel"), QStringLiteral("Datei")},
                                static_cast<int>(start.interface), interface_, this));
  auto* ports = new QFormLayout;
  com_ = edit("Edit_com", QString::number(start.com_port), this, 4);
  lpt_ = edit("Edit_lpt", QString::number(start.lpt_port), this, 4);
  scale_ = edit("Edit_scale", num(start.scale), this, 8);
  rotate_ = new QCheckBox(QStringLiteral("Drehen"), this);
  rotate_->setObjectName("CheckBox_rotate");
  xnull_ = edit("Edit_xnull", num(start.x_offset), this, 8);
  ynull_ = edit("Edit_ynull", num(start.y_offset), this, 8);
  textwidth_ = edit("Edit_textbreitenfaktor", num(start.text_width_factor), this, 8);
  ports->addRow(QStringLiteral("COM"), com_);
  ports->addRow(QStringLiteral("LPT"), lpt_);
  ports->addRow(QStringLiteral("Maßstab"), scale_);
  ports->addRow(rotate_);
  ports->addRow(QStringLiteral("Nullpunkt x"), xnull_);
  ports->addRow(QStringLiteral("Nullpunkt y"), ynull_);
  ports->addRow(QStringLiteral("Textbreitenfaktor"), textwidth_);
  groups->addLayout(ports);
  outer->addLayout(groups);
  auto* font_row = new QFormLayout;
  psfont_ = new QComboBox(this);
  psfont_->setObjectName("ComboBox_psfont");
  psfont_->setEditable(true);
  psfont_->addItems({QStringLiteral("Helvetica"), QStringLiteral("Times-Roman"), QStringLiteral("Courier")});
  font_row->addRow(QStringLiteral("Postscript Font"), psfont_);
  outer->addLayout(font_row);
  line_ = new QLabel(QString::fromStdString(line), this);
  line_->setObjectName("Label_commandline");
  line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  line_->setMinimumWidth(line_->fontMetrics().averageCharWidth() * 70);
  auto* line_row = new QHBoxLayout;
  line_row->addWidget(new QLabel(QStringLiteral("Command Line:"), this));
  line_row->addWidget(line_, 1);
  outer->addLayout(line_row);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  auto* cancel = side_button(QStringLiteral("Abbrechen"), "Button_cancel", this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  outer->addLayout(buttons);

  for (QLineEdit* e : {path_, outdir_, com_, lpt_, scale_, xnull_, ynull_, textwidth_})
    connect(e, &QLineEdit::textChanged, this, [this] { rebuild(); });
  connect(outcode_, &QButtonGroup::idClicked, this, [this] { rebuild(); });
  connect(interface_, &QButtonGroup::idClicked, this, [this] { rebuild(); });
  connect(rotate_, &QCheckBox::toggled, this, [this] { rebuild(); });
  connect(psfont_, &QComboBox::currentTextChanged, this, [this] { rebuild(); });
  path_->setFocus();
}

PlotDialogFields TForm_confzeichnr::fields() const {
  PlotDialogFields f;
  const auto text = [](const QLineEdit* e) { return e->text().trimmed().toStdString(); };
  f.program_path = text(path_);
  f.output_folder = text(outdir_);
  f.format = static_cast<PlotFormat>(outcode_->checkedId());
  f.interface = static_cast<PlotInterface>(interface_->checkedId());
  f.com_port = static_cast<int>(std::lround(typed_number(com_)));
  f.lpt_port = static_cast<int>(std::lround(typed_number(lpt_)));
  f.scale = typed_number(scale_);
  f.rotate = rotate_->isChecked();
  f.x_offset = typed_number(xnull_);
  f.y_offset = typed_number(ynull_);
  f.text_width_factor = typed_number(textwidth_);
  f.ps_font = psfont_->currentText().trimmed().toStdString();
  return f;
}

QString TForm_confzeichnr::command_line() const { return line_->text(); }

void TForm_confzeichnr::rebuild() {
  line_->setText(QString::fromStdString(dialogCommandLine(format_, fields())));
}

std::optional<std::string> QtPlotDialog::edit(const std::string& line) {
  QWidget* parent = parent_;
  TForm_confzeichnr d(format_, line, temp_folder_, ui_, [parent](const QString& current) -> std::optional<QString> {
    const QString f = QFileDialog::getExistingDirectory(parent, QString(), current);
    if (f.isEmpty()) return std::nullopt;
    return f;
  }, parent_);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  return d.command_line().toStdString();
}

}  // namespace vx11
