// The frame shared by the one-question dialogs: content above, the buttons "OK", "Abbrechen",
// "&Hilfetext" and "Hilfe&bild" below; Enter confirms and Escape cancels.
#pragma once

#include <QDialog>

#include "ui/dialog_help.h"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace vx11 {

// A button of a dialog's button row that never becomes the default on focus, so Enter stays
// with OK wherever the focus is.
QPushButton* add_dialog_button(QHBoxLayout* row, QWidget* parent, const char* name, const QString& text);

class GenericDialog : public QDialog {
 public:
  GenericDialog(const QString& caption, const DialogHelp& help, QWidget* parent);

 protected:
  QVBoxLayout* content() const { return content_; }
  // The prompt label above the content; wrapped when `wrap` is set.
  QLabel* add_prompt(const QString& prompt, bool wrap);

 private:
  QVBoxLayout* content_;
};

}  // namespace vx11
