// The message description dialog `Thelperr`: a message with its cause and remedy, both editable.
#pragma once

#include <QDialog>

#include <string>

#include "base/format_settings.h"
#include "report/message_browser.h"
#include "ui/dialog_help.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vx11 {

class Thelperr : public QDialog {
 public:
  // `help.text` runs for "&Hilfe" with the help number set to the dialog's own.
  Thelperr(const FormatSettings& format, const DialogHelp& help, int& help_number, QWidget* parent = nullptr);

  // Shows the texts (code page 850) and clears the changed flag.
  void set_texts(const std::string& message, const MessageDescription& description);
  // Cause and remedy in code page 850, each one line as the description file holds it.
  MessageDescription texts() const;
  bool changed() const { return changed_; }

 private:
  QString shown(const std::string& cp850) const;
  std::string typed(const QPlainTextEdit* memo) const;

  const FormatSettings& format_;
  QLineEdit* edit_meldung_;
  QPlainTextEdit* memo_ursache_;
  QPlainTextEdit* memo_abhilfe_;
  bool changed_ = false;
  bool filling_ = false;
};

// The window's description dialog for browsing messages: OK hands the texts back with the changed
// flag (the browsing then asks "Save Changes ?"); Escape closes it as unchanged.
class QtDescriptionDialog : public DescriptionDialog {
 public:
  QtDescriptionDialog(const FormatSettings& format, const DialogHelp& help, int& help_number, QWidget* parent)
      : format_(format), help_(help), help_number_(help_number), parent_(parent) {}
  DescriptionEdit edit(const std::string& message, const MessageDescription& description) override;

 private:
  const FormatSettings& format_;
  DialogHelp help_;
  int& help_number_;
  QWidget* parent_;
};

}  // namespace vx11
