// Qt's own dialogs (files, printing, message boxes) in the language of the menus, from the Qt
// translations installed on the system; without them Qt's dialogs stay English.
#pragma once

#include <QString>
#include <QTranslator>

namespace vx11 {

// "de", "en", "ro", "ko" for the menu language codes; German for a code without a table (0).
QString qt_language_name(int language_code);

class QtTranslations {
 public:
  ~QtTranslations();
  // Replaces the installed translation by the one for the code; false when none is installed.
  bool use(int language_code);

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace vx11
