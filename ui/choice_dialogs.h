// Choice from a list: the list form for more than seven choices, one radio button per choice otherwise.
// Entries are counted from 1; a current value of 0 or beyond the list preselects entry 1.
#pragma once

#include <QStringList>

#include "ui/generic_dialog.h"

class QButtonGroup;
class QListWidget;

namespace vx11 {

inline constexpr int kMaxRadioChoices = 7;

// The entry preselected for a current value.
int preset_entry(int value, int count);

class Tin_codedialog : public GenericDialog {
 public:
  Tin_codedialog(const QString& prompt, const QStringList& choices, int value, const DialogHelp& help,
                 QWidget* parent = nullptr);
  int value() const;  // the selected entry, counted from 1

 private:
  QListWidget* ListBox_auswahl;
};

class Tin_radiodialog : public GenericDialog {
 public:
  Tin_radiodialog(const QString& prompt, const QStringList& choices, int value, const DialogHelp& help,
                  QWidget* parent = nullptr);
  int value() const;

 private:
  QButtonGroup* RadioGroup_auswahl;
};

}  // namespace vx11
