#include "ui/print_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <filesystem>

#include "project/input_file.h"
#include "project/program_state.h"
#include "project/startup.h"
#include "base/format.h"
#include "base/text.h"
#include "ui/canvas.h"
#include "ui/dialog_widgets.h"
#include "ui/number_check.h"
#include "ui/print_info.h"
#include "ui/print_run.h"

namespace vx11 {

namespace {

namespace fs = std::filesystem;

QLineEdit* number_edit(const char* name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 10);
  mark_number_field(e);
  return e;
}

QString edit_text(const std::string& s) { return QString::fromStdString(trimBlanks(s)); }
std::string typed(const QLineEdit* e) { return e->text().toStdString(); }

}  // namespace

TForm_printconf::TForm_printconf(PrintDialogContext c, PrintDialogMode mode, QWidget* parent)
    : QDialog(parent), c_(c), mode_(mode) {
  setObjectName("TForm_printconf");
  setWindowTitle(QStringLiteral("Ausdruck"));
  setModal(true);
  auto* outer = new QVBoxLayout(this);

  auto* grid = new QGridLayout;
  auto label = [this](const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    return l;
  };
  scalex_ = number_edit("Edit_scalex", this);
  scaley_ = number_edit("Edit_scaley", this);
  xorigin_ = number_edit("Edit_xorigin", this);
  yorigin_ = number_edit("Edit_yorigin", this);
  grid->addWidget(label("Label_scalex", QStringLiteral("Maßstab x")), 0, 0);
  grid->addWidget(scalex_, 0, 1);
  grid->addWidget(label("Label_scaley", QStringLiteral("Maßstab y")), 1, 0);
  grid->addWidget(scaley_, 1, 1);
  grid->addWidget(label("Label_xorigin", QStringLiteral("Ursprung x")), 2, 0);
  grid->addWidget(xorigin_, 2, 1);
  grid->addWidget(label("Label_yorigin", QStringLiteral("Ursprung y")), 3, 0);
  grid->addWidget(yorigin_, 3, 1);
  umrandung_ = new QCheckBox(QStringLiteral("Umrandung"), this);
  umrandung_->setObjectName("CheckBox_umrandung");
  anpassen_ = new QCheckBox(QStringLiteral("anpassen"), this);
  anpassen_->setObjectName("CheckBox_anpassen");
  grid->addWidget(umrandung_, 4, 0);
  grid->addWidget(anpassen_, 4, 1);
  grid->addWidget(radio_group("RadioGroup_printmono", QStringLiteral("Schattierung"),
                              {QStringLiteral("Monochrom"), QStringLiteral("Color / Graustufen")}, 0, printmono_, this),
                  0, 2, 2, 1);
  grid->addWidget(radio_group("RadioGroup_hochquer", QStringLiteral("Ausdruck"),
                              {QStringLiteral("Hochformat"), QStringLiteral("Querformat")}, 0, hochquer_, this),
                  2, 2, 2, 1);
  outer->addLayout(grid);

  auto* printer_row = new QHBoxLayout;
  auto* choose = side_button(QStringLiteral("Drucker") + QStringLiteral("..."), "Button_printer", this);
  printer_label_ = label("Label_printer", QString());
  printer_row->addWidget(choose);
  printer_row->addWidget(printer_label_, 1);
  outer->addLayout(printer_row);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  auto* cancel = side_button(QStringLiteral("Abbrechen"), "Button_cancel", this);
  auto* help = side_button(QStringLiteral("&Hilfe"), "Button_help", this);
  auto* db = side_button(QStringLiteral("Datenbank"), "Button_db", this);
  auto* append = side_button(QStringLiteral("Ü&bernehmen Datenbank"), "Button_append", this);
  for (QPushButton* b : {ok, cancel, help, db, append}) buttons->addWidget(b);
  outer->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &TForm_printconf::accept);
  connect(cancel, &QPushButton::clicked, this, &TForm_printconf::reject);
  connect(choose, &QPushButton::clicked, this, &TForm_printconf::choose_printer);
  connect(db, &QPushButton::clicked, this, &TForm_printconf::take_setup);
  connect(append, &QPushButton::clicked, this, &TForm_printconf::store_setup);
  help->setEnabled(static_cast<bool>(c_.help.text));
  connect(help, &QPushButton::clicked, this, [this] {
    c_.state.help_number = kHelpPrintSetup;
    if (c_.help.text) c_.help.text();
  });

  // Every opening starts from the configuration, not from the last dialog.
  const PrintPlacement p = placement_from_configuration(c_.state.config);
  c_.printer.setPageOrientation(p.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  const FormatSettings& f = c_.state.format;
  scalex_->setText(edit_text(fmtSig(f, p.stretch_x)));
  scaley_->setText(edit_text(fmtSig(f, p.stretch_y)));
  xorigin_->setText(QString::number(p.margin_x));
  yorigin_->setText(QString::number(p.margin_y));
  umrandung_->setChecked(p.frame);
  printmono_->button(p.colour_mode - 1)->setChecked(true);
  hochquer_->button(c_.printer.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0)->setChecked(true);
  show_printer();
}

PrintPlacement TForm_printconf::placement() const {
  PrintPlacement p;
  p.stretch_x = parseReal(typed(scalex_));
  p.stretch_y = parseReal(typed(scaley_));
  // Margins are whole millimetres; a typed fraction is rounded like every number field is read.
  p.margin_x = static_cast<int>(std::lround(parseReal(typed(xorigin_))));
  p.margin_y = static_cast<int>(std::lround(parseReal(typed(yorigin_))));
  p.frame = umrandung_->isChecked();
  p.colour_mode = printmono_->checkedId() + 1;
  p.landscape = hochquer_->checkedId() == 1;
  return p;
}

bool TForm_printconf::fit_whole() const { return anpassen_->isChecked(); }

void TForm_printconf::show_printer() { printer_label_->setText(QString::fromStdString(printer_caption(c_.printer))); }

bool TForm_printconf::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) show_printer();
  return QDialog::event(e);
}

void TForm_printconf::choose_printer() {
  QPrintDialog dialog(&c_.printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  show_printer();
  hochquer_->button(c_.printer.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0)->setChecked(true);
}

bool TForm_printconf::open_setups() {
  ProgramState& st = c_.state;
  st.rec.cancelled = false;
  CalcContext calc = st.calc();
  // A setup table in the folder the program started in comes before the shipped one.
  std::error_code ec;
  const fs::path local = fs::current_path(ec) / "printout.dbf";
  if (!ec && fs::exists(local, ec)) return st.tables.open_table(calc, local.string());
  return st.tables.open_table(calc, "printout");
}

void TForm_printconf::take_setup() {
  if (!open_setups()) return;
  ProgramState& st = c_.state;
  TableObject& t = st.tables;
  CalcContext calc = st.calc();
  t.set_titles("Printout", "");
  if (c_.remembered_row > 0) t.go_to_record(calc, c_.remembered_row);
  st.help_number = kHelpPrintSetupTable;
  t.browse(calc, static_cast<int>(BrowseMode::Select));
  if (!st.rec.cancelled) {
    c_.remembered_row = t.current_record();
    const auto shown = [&](int field) { return QString::fromStdString(toWindows(st.format, trimBlanks(t.field_text(field)))); };
    scalex_->setText(shown(2));
    scaley_->setText(shown(3));
    xorigin_->setText(shown(4));
    yorigin_->setText(shown(5));
    hochquer_->button(t.field_logical("landscape") ? 1 : 0)->setChecked(true);
    printmono_->button(t.field_logical("monochrom") ? 0 : 1)->setChecked(true);
    anpassen_->setChecked(t.field_logical("variable"));
    umrandung_->setChecked(t.field_logical("borderline"));
  }
  t.close_table();
  st.rec.cancelled = false;
}

void TForm_printconf::store_setup() {
  if (!open_setups()) return;
  ProgramState& st = c_.state;
  TableObject& t = st.tables;
  const auto name = st.ui.ask_text("", "Name", "");
  if (!name) {
    t.close_table();
    return;
  }
  const PrintPlacement p = placement();
  std::vector<std::string> values(static_cast<std::size_t>(t.field_count()));
  const auto put = [&](const char* field, std::string value) {
    const int n = t.field_number(field);
    if (n > 0) values[static_cast<std::size_t>(n - 1)] = std::move(value);
  };
  const auto truth = [](bool b) { return std::string(b ? "T" : "F"); };
  put("name", leftPart(*name, kSetupNameLength));
  put("xscale", trimBlanks(fmtFixed(st.format, 1, 4, p.stretch_x)));
  put("yscale", trimBlanks(fmtFixed(st.format, 1, 4, p.stretch_y)));
  put("xorigin", fmtInt(p.margin_x));
  put("yorigin", fmtInt(p.margin_y));
  put("landscape", truth(p.landscape));
  put("monochrom", truth(p.colour_mode == 1));
  put("variable", truth(fit_whole()));
  put("borderline", truth(p.frame));
  CalcContext calc = st.calc();
  t.append_values(calc, values);
  t.close_table();
}

void TForm_printconf::accept() {
  ProgramState& st = c_.state;
  const std::vector<NumberField> numbers = {{scalex_, QStringLiteral("Maßstab x")},
                                            {scaley_, QStringLiteral("Maßstab y")},
                                            {xorigin_, QStringLiteral("Ursprung x")},
                                            {yorigin_, QStringLiteral("Ursprung y")}};
  if (!check_number_fields(numbers, st.ui)) return;
  st.rec.cancelled = false;
  const PrintPlacement p = placement();
  c_.printer.setPageOrientation(p.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (mode_ == PrintDialogMode::PrinterInfo) {
    // The capabilities are read from the printer as chosen; no empty job is needed for that.
    apply_placement(p, c_.canvas.graphics());
    TForm_printerinfo info(c_.printer, this);
    info.exec();
    QDialog::accept();
    return;
  }
  if (needs_pdf_file(c_.printer)) {
    // No printer on this machine: the drawing goes into a PDF file.
    const std::string base = st.session.current_file.empty() ? "vx11" : base_name(st.session.current_file);
    const auto file = st.ui.save_file("Drucken", st.session.data_directory, base + ".pdf", "PDF|*.pdf");
    if (!file) {
      st.rec.cancelled = true;
      return;
    }
    c_.printer.setOutputFormat(QPrinter::PdfFormat);
    c_.printer.setOutputFileName(QString::fromStdString(*file));
  }
  print_drawing(c_.canvas, c_.printer, p, fit_whole(), st.ui);
  QDialog::accept();
}

void TForm_printconf::reject() {
  c_.state.rec.cancelled = true;
  QDialog::reject();
}

void show_print_dialog(PrintDialogContext c, PrintDialogMode mode, QWidget* parent) {
  TForm_printconf dialog(c, mode, parent);
  dialog.exec();
}

}  // namespace vx11
