// The yes/no question: group "Auswahl" with "&Ja" and "&Nein", answered "J" or "N".
#pragma once

#include "ui/generic_dialog.h"

class QRadioButton;

namespace vx11 {

class Tin_janeindialog : public GenericDialog {
 public:
  // An answer beginning with "N" or "n" presets No, anything else Yes.
  Tin_janeindialog(const QString& prompt, const QString& answer, const DialogHelp& help,
                   QWidget* parent = nullptr);
  QString answer() const;

 private:
  QRadioButton* RadioButton_ja;
  QRadioButton* RadioButton_nein;
};

}  // namespace vx11
