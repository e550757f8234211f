#include "ui/text_window.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/file_filters.h"
#include "ui/print_run.h"
#include "ui/screen_fit.h"

namespace vx11 {

namespace {

QAction* add_item(QMenu* menu, const char* name, const QString& caption) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  return a;
}

// Page ends are shown as empty lines.
QString shown_text(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.remove(u'\f');
  return text;
}

}  // namespace

TForm_showtextfile::TForm_showtextfile(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), text_(text), Memo1(new QPlainTextEdit(this)) {
  setObjectName("Form_showtextfile");
  setWindowTitle(title);
  setModal(true);
  printout_.font = QFontDatabase::systemFont(QFontDatabase::FixedFont);

  auto* bar = new QMenuBar(this);
  QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
  file->setObjectName("mi_Datei");
  QAction* print_item = add_item(file, "mi_DateiDrucken", QStringLiteral("&Drucken..."));
  print_item->setShortcut(QKeySequence::Print);
  connect(print_item, &QAction::triggered, this, &TForm_showtextfile::print);
  connect(add_item(file, "mi_DateiSpeichernUnter", QStringLiteral("Speichern &unter...")), &QAction::triggered, this,
          &TForm_showtextfile::save_as_with_dialog);
  mi_dateiExportNotepad = add_item(file, "mi_dateiExportNotepad", QStringLiteral("Export &Notepad"));
  mi_dateiExportNotepad->setEnabled(false);
  connect(mi_dateiExportNotepad, &QAction::triggered, this, [this] {
    if (export_) export_();
  });
  file->addSeparator();
  connect(add_item(file, "mi_dateiBeenden", QStringLiteral("&Beenden       ")), &QAction::triggered, this,
          &QDialog::accept);

  QMenu* edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
  edit->setObjectName("mi_Edit");
  QAction* mark = add_item(edit, "mi_EditMarkAll", QStringLiteral("Alles aus&w\u00e4hlen"));
  mark->setShortcut(QKeySequence::SelectAll);
  connect(mark, &QAction::triggered, Memo1, &QPlainTextEdit::selectAll);
  QAction* copy = add_item(edit, "mi_EditCopy", QStringLiteral("&Kopieren"));
  copy->setShortcut(QKeySequence::Copy);
  connect(copy, &QAction::triggered, this, &TForm_showtextfile::copy_selection);

  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Memo1->setFont(printout_.font);
  Memo1->setPlainText(shown_text(text_));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(bar);
  layout->addWidget(Memo1);
  fit_report_line();
}

void TForm_showtextfile::fit_report_line() {
  // The report's lines run to 79 columns with their left margin; 40 pixels for frame and scroll bar.
  const QFontMetrics fm(printout_.font);
  resize(fm.horizontalAdvance(QString(80, u'M')) + 40, fm.height() * 40);
  fit_into_screen(this);
}

void TForm_showtextfile::set_printout(const TextPrintout& how) {
  printout_ = how;
  Memo1->setFont(how.font);
  fit_report_line();
}

void TForm_showtextfile::place(int left, int top, int width, int height) {
  if (width > 0 && height > 0) {
    setGeometry(left, top, width, height);
    fit_into_screen(this);
  }
}

void TForm_showtextfile::set_export(std::function<void()> action) {
  export_ = std::move(action);
  mi_dateiExportNotepad->setEnabled(static_cast<bool>(export_));
}

void TForm_showtextfile::print() {
  if (print_) {
    print_();
    return;
  }
  QString failure;
  if (print_text_with_dialog(this, text_, printout_, &failure) == PrintOutcome::Failed)
    QMessageBox::critical(this, QStringLiteral("Fehler : "), QString::fromUtf8(kPrintJobFailed) + failure);
}

bool TForm_showtextfile::save_as(const QString& path) const {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = text_.toUtf8();
  return f.write(bytes) == bytes.size() && f.flush();
}

void TForm_showtextfile::save_as_with_dialog() {
  QFileDialog d(this, QStringLiteral("Speichern unter"));
  d.setAcceptMode(QFileDialog::AcceptSave);
  const NameFilters filters = name_filters("*.txt");
  d.setNameFilters(filters.filters);
  d.setDefaultSuffix(filters.suffix);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
  const QString path = d.selectedFiles().first();
  if (!save_as(path))
    QMessageBox::critical(this, QStringLiteral("Fehler : "), path + QStringLiteral(" kann nicht geschrieben werden !"));
}

void TForm_showtextfile::copy_selection() { Memo1->copy(); }

void TForm_showtextfile::copy_all() {
  Memo1->selectAll();
  Memo1->copy();
}

}  // namespace vx11
