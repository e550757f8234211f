// The text question: a word-wrapped prompt and one edit with the current text and a maximum length.
#pragma once

#include "ui/generic_dialog.h"

class QLineEdit;

namespace vx11 {

class Tin_textdialog : public GenericDialog {
 public:
  Tin_textdialog(const QString& prompt, int max_length, const QString& text, const DialogHelp& help,
                 QWidget* parent = nullptr);
  QString text() const;

 private:
  QLineEdit* Edit_text;
};

}  // namespace vx11
