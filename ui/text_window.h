// The text window: a read-only monospaced view of a report text with print, save, copy and
// export to an editor.
#pragma once

#include <QDialog>

#include <functional>

#include "ui/text_printout.h"

class QPlainTextEdit;

namespace vx11 {

class TForm_showtextfile : public QDialog {
 public:
  // `text` is UTF-8 and may hold form-feed lines between pages; `title` is the whole caption.
  TForm_showtextfile(const QString& title, const QString& text, QWidget* parent = nullptr);

  // Font and lines per sheet of the view and the printout.
  void set_printout(const TextPrintout& how);
  // Position and size from the settings; used when width and height are above 0. Read the
  // geometry back after the window has closed to save it.
  void place(int left, int top, int width, int height);

  // Export to an editor: the report stream knows the file and the program. Without it the item
  // is disabled.
  void set_export(std::function<void()> action);
  // The print command; without one the window prints its own text.
  void set_print(std::function<void()> action) { print_ = std::move(action); }

  void print();
  bool save_as(const QString& path) const;  // the text as UTF-8
  void save_as_with_dialog();
  void copy_selection();
  void copy_all();  // selects everything and copies it

  const QString& text() const { return text_; }

 private:
  // Room for a whole report line in the memo's font.
  void fit_report_line();
  QString text_;
  TextPrintout printout_;
  std::function<void()> export_;
  std::function<void()> print_;
  QPlainTextEdit* Memo1;
  QAction* mi_dateiExportNotepad;
};

}  // namespace vx11
