#include "ui/docu_dialogs.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/text.h"
#include "ui/dialog_widgets.h"
#include "ui/generic_dialog.h"
#include "ui/help_tooltips.h"
#include "ui/input_dialog.h"

namespace vx11 {

namespace {

// The frame of the documentation dialogs: the generic OK, Abbrechen and help buttons below.
class DocuDialog : public GenericDialog {
 public:
  DocuDialog(const QString& caption, const DialogHelp& help, int scale, QWidget* parent)
      : GenericDialog(caption, help, parent) {
    apply_dialog_scale(this, scale);
  }
  using GenericDialog::content;
};

std::string typed(const QString& text) { return toCodePage850(text.toStdString()); }

QLineEdit* line_edit(const char* name, const QString& text, std::size_t max_length, QWidget* parent) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  e->setMaxLength(static_cast<int>(max_length));
  e->setMinimumWidth(e->fontMetrics().averageCharWidth() * static_cast<int>(std::min<std::size_t>(max_length + 2, 50)));
  return e;
}

QTableWidgetItem* cell(const QString& text) { return new QTableWidgetItem(text); }

QString cell_text(const QTableWidget* t, int row, int col) {
  const QTableWidgetItem* i = t->item(row, col);
  return i ? i->text() : QString();
}

// Line breaks are CR LF in the records and plain in the window.
QString from_stored_lines(const QString& s) { return QString(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
QString to_stored_lines(const QString& s) { return QString(s).replace(QStringLiteral("\n"), QStringLiteral("\r\n")); }

// A table sized to show all its rows without scrolling.
void fit_rows(QTableWidget* t) {
  t->resizeColumnsToContents();
  int h = t->horizontalHeader()->height() + 2 * t->frameWidth();
  for (int r = 0; r < t->rowCount(); ++r) h += t->rowHeight(r);
  t->setMinimumHeight(h);
  t->setMaximumHeight(h);
}

}  // namespace

QtDocumentationDialogs::QtDocumentationDialogs(const FormatSettings& format, const std::string& title, Interaction& ui,
                                               const DialogHelp& help, int input_window_scale, QWidget* parent)
    : format_(format), title_(title), ui_(ui), help_(help), scale_(input_window_scale), parent_(parent) {}

QString QtDocumentationDialogs::shown(const std::string& cp850) const {
  return QString::fromStdString(toWindows(format_, cp850));
}

QString QtDocumentationDialogs::today() const { return shown(dateText(format_)); }

bool QtDocumentationDialogs::drawing_names(DrawingNamesForm& form) {
  DocuDialog d(QString::fromStdString(title_), help_, scale_, parent_);
  d.setObjectName("TForm_vxeingabetext");
  struct Part {
    const char* group;
    std::string *name, *number, *name2;
    const char *name_edit, *number_edit, *name2_edit;
  };
  const Part parts[] = {
      {" Innenteil (IT) ", &form.inner_part_name, &form.inner_part_number, &form.inner_part_name2, "Edit_zeichname1",
       "Edit_zeichnr1", "Edit_zeichname21"},
      {" Außenteil (AT) ", &form.outer_part_name, &form.outer_part_number, &form.outer_part_name2, "Edit_zeichname2",
       "Edit_zeichnr2", "Edit_zeichname22"},
  };
  std::vector<std::pair<QLineEdit*, std::string*>> edits;
  auto* row = new QHBoxLayout;
  for (const Part& p : parts) {
    auto* box = new QGroupBox(QString::fromUtf8(p.group), &d);
    auto* f = new QFormLayout(box);
    auto* name = line_edit(p.name_edit, shown(*p.name), limits::kPartName, box);
    auto* number = line_edit(p.number_edit, shown(*p.number), limits::kPartNumber, box);
    auto* name2 = line_edit(p.name2_edit, shown(*p.name2), limits::kPartName2, box);
    f->addRow(QStringLiteral("Zeichnungsname"), name);
    f->addRow(QStringLiteral("Zeichnungsnummer"), number);
    f->addRow(QStringLiteral("2.Zeichnungsname"), name2);
    edits.insert(edits.end(), {{name, p.name}, {number, p.number}, {name2, p.name2}});
    row->addWidget(box);
  }
  d.content()->addLayout(row);
  auto* texts = new QFormLayout;
  for (int i = 0; i < 2; ++i) {
    const std::string name = "Edit_info" + std::to_string(i + 1);
    auto* e = line_edit(name.c_str(), shown(form.info_text[static_cast<std::size_t>(i)]), limits::kInfoText, &d);
    texts->addRow(QStringLiteral("Text %1").arg(i + 1), e);
    edits.push_back({e, &form.info_text[static_cast<std::size_t>(i)]});
  }
  d.content()->addLayout(texts);
  edits.front().first->setFocus();
  if (d.exec() != QDialog::Accepted) return false;
  for (auto& [edit, field] : edits) *field = typed(edit->text());
  return true;
}

bool QtDocumentationDialogs::title_block(TitleBlockForm& form) {
  DocuDialog d(QStringLiteral("Zeichnungsinfo"), help_, scale_, parent_);
  d.setObjectName("TForm_zeichInfo");
  auto* top = new QHBoxLayout;
  auto* rows = new QTableWidget(4, 2, &d);
  rows->setObjectName("StringGrid1");
  rows->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Name")});
  rows->setVerticalHeaderLabels({QStringLiteral("Bearb."), QStringLiteral("Gepr."), QStringLiteral("Norm"),
                                 shown(form.fourth_label)});
  for (int r = 0; r < 4; ++r) {
    rows->setItem(r, 0, cell(shown(form.rows[static_cast<std::size_t>(r)].date)));
    rows->setItem(r, 1, cell(shown(form.rows[static_cast<std::size_t>(r)].name)));
  }
  fit_rows(rows);
  rows->setColumnWidth(0, rows->fontMetrics().averageCharWidth() * 14);
  rows->setColumnWidth(1, rows->fontMetrics().averageCharWidth() * 14);
  top->addWidget(rows);
  auto* buttons = new QVBoxLayout;
  buttons->addSpacing(rows->horizontalHeader()->height());
  for (int r = 0; r < 4; ++r) {
    auto* b = side_button(QStringLiteral("< ") + today(), QStringLiteral("Button_date%1").arg(r + 1), &d);
    b->setFixedHeight(rows->rowHeight(r));
    QObject::connect(b, &QPushButton::clicked, &d, [this, rows, r] { rows->item(r, 0)->setText(today()); });
    buttons->addWidget(b);
  }
  buttons->addStretch();
  top->addLayout(buttons);
  auto* replace = new QFormLayout;
  auto* replaces = line_edit("Edit_ersatzfuer", shown(form.replaces), limits::kReplacement, &d);
  auto* replaced_by = line_edit("Edit_ersetztdurch", shown(form.replaced_by), limits::kReplacement, &d);
  replace->addRow(QString::fromUtf8("Ersatz für"), replaces);
  replace->addRow(QStringLiteral("Ersetzt durch"), replaced_by);
  top->addLayout(replace);
  d.content()->addLayout(top);
  auto* texts = new QTableWidget(limits::kDrawingTexts, 5, &d);
  texts->setObjectName("StringGrid2");
  texts->setHorizontalHeaderLabels({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("h"), QStringLiteral("phi"),
                                    QStringLiteral("Text")});
  for (int r = 0; r < limits::kDrawingTexts; ++r)
    for (int c = 0; c < 5; ++c) texts->setItem(r, c, cell(shown(form.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])));
  for (int c = 0; c < 4; ++c) texts->setColumnWidth(c, texts->fontMetrics().averageCharWidth() * 9);
  texts->horizontalHeader()->setStretchLastSection(true);
  texts->setMinimumWidth(texts->fontMetrics().averageCharWidth() * 80);
  fit_rows(texts);
  for (int c = 0; c < 4; ++c) texts->setColumnWidth(c, texts->fontMetrics().averageCharWidth() * 9);
  d.content()->addWidget(texts);
  rows->setFocus();
  if (d.exec() != QDialog::Accepted) return false;
  for (int r = 0; r < 4; ++r)
    form.rows[static_cast<std::size_t>(r)] = {typed(cell_text(rows, r, 0)), typed(cell_text(rows, r, 1))};
  form.replaces = typed(replaces->text());
  form.replaced_by = typed(replaced_by->text());
  for (int r = 0; r < limits::kDrawingTexts; ++r)
    for (int c = 0; c < 5; ++c)
      form.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = typed(cell_text(texts, r, c));
  return true;
}

bool QtDocumentationDialogs::change_entry(int number, ChangeEntry& entry) {
  DocuDialog d(QString::fromUtf8("Änderung ") + QString::number(number), help_, scale_, parent_);
  d.setObjectName("TForm_EinAend");
  auto* f = new QFormLayout;
  auto* text = line_edit("Edit_aenderung", shown(entry.change_text), limits::kChangeText, &d);
  auto* date = line_edit("Edit_datum", shown(entry.date), limits::kChangeDate, &d);
  auto* editor = line_edit("Edit_bearbeiter", shown(entry.editor), limits::kChangeEditor, &d);
  auto* today_button = side_button(QStringLiteral("<") + today(), QStringLiteral("Button_datum"), &d);
  QObject::connect(today_button, &QPushButton::clicked, &d, [this, date] { date->setText(today()); });
  auto* date_row = new QHBoxLayout;
  date_row->addWidget(date);
  date_row->addWidget(today_button);
  date_row->addStretch();
  auto* description = new QPlainTextEdit(from_stored_lines(shown(entry.description)), &d);
  description->setObjectName("Memo_beschreibung");
  description->setTabChangesFocus(true);
  description->setMinimumSize(description->fontMetrics().averageCharWidth() * 60,
                              description->fontMetrics().lineSpacing() * 6);
  f->addRow(QString::fromUtf8("Änderungstext"), text);
  f->addRow(QStringLiteral("Datum"), date_row);
  f->addRow(QStringLiteral("Bearbeiter"), editor);
  f->addRow(QStringLiteral("Beschreibung"), description);
  d.content()->addLayout(f);
  text->setFocus();
  if (d.exec() != QDialog::Accepted) return false;
  entry.change_text = typed(text->text());
  entry.date = typed(date->text());
  entry.editor = typed(editor->text());
  entry.description = typed(to_stored_lines(description->toPlainText()));
  return true;
}

bool QtDocumentationDialogs::linked_documents(std::array<LinkedDocument, limits::kDocuments>& docs) {
  DocuDialog d(QStringLiteral("Document Setup"), help_, scale_, parent_);
  d.setObjectName("TForm_confDoku");
  std::vector<std::pair<QLineEdit*, QLineEdit*>> edits;
  auto* grid = new QGridLayout;
  for (int k = 0; k < limits::kDocuments; ++k) {
    auto& doc = docs[static_cast<std::size_t>(k)];
    auto* box = new QGroupBox(QStringLiteral(" Document %1 ").arg(k + 1), &d);
    auto* f = new QGridLayout(box);
    const std::string program_name = "Edit_program" + std::to_string(k + 1);
    const std::string file_name = "Edit_file" + std::to_string(k + 1);
    // Document paths are kept as typed.
    auto* program = line_edit(program_name.c_str(), QString::fromStdString(doc.program), limits::kDocumentPath, box);
    auto* file = line_edit(file_name.c_str(), QString::fromStdString(doc.file), limits::kDocumentPath, box);
    auto* browse_program = side_button(QStringLiteral("..."), QStringLiteral("Button_program%1").arg(k + 1), box);
    auto* browse_file = side_button(QStringLiteral("..."), QStringLiteral("Button_file%1").arg(k + 1), box);
    QObject::connect(browse_program, &QPushButton::clicked, &d, [this, program] {
      if (auto p = ui_.open_file("Program", "", "*.exe|*.exe|*|*")) program->setText(QString::fromStdString(*p));
    });
    QObject::connect(browse_file, &QPushButton::clicked, &d, [this, file] {
      if (auto p = ui_.open_file("File", "", "*.*|*.*")) file->setText(QString::fromStdString(*p));
    });
    f->addWidget(new QLabel(QStringLiteral("Program %1").arg(k + 1), box), 0, 0);
    f->addWidget(program, 0, 1);
    f->addWidget(browse_program, 0, 2);
    f->addWidget(new QLabel(QStringLiteral("File %1").arg(k + 1), box), 1, 0);
    f->addWidget(file, 1, 1);
    f->addWidget(browse_file, 1, 2);
    for (int row : {0, 1}) {
      if (auto* label = qobject_cast<QLabel*>(f->itemAtPosition(row, 0)->widget()))
        label->setBuddy(row == 0 ? program : file);
      set_row_tooltip(f, row, help_, row == 0 ? help::kDocumentProgramHint : help::kDocumentFileHint);
    }
    grid->addWidget(box, k / 2, k % 2);
    edits.push_back({program, file});
  }
  d.content()->addLayout(grid);
  edits.front().first->setFocus();
  if (d.exec() != QDialog::Accepted) return false;
  for (int k = 0; k < limits::kDocuments; ++k) {
    docs[static_cast<std::size_t>(k)].program = edits[static_cast<std::size_t>(k)].first->text().toStdString();
    docs[static_cast<std::size_t>(k)].file = edits[static_cast<std::size_t>(k)].second->text().toStdString();
  }
  return true;
}

}  // namespace vx11
