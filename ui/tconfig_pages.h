// What the files of the configuration dialog share: each page of Tconfig is in a file of its own
// (tconfig_<page>_page.cpp), the controls bound to the working copy in tconfig_bindings.cpp.
#pragma once

#include <QString>

#include "base/format_settings.h"
#include "base/real.h"

class QPushButton;
class QWidget;

namespace vx11 {

// A button just wide enough for its caption, for "<", "..." and "?" beside an edit.
QPushButton* config_small_button(const QString& caption, QWidget* parent);
// A number as the pages show it: the program's significant digits, without blanks.
QString config_number_text(const FormatSettings& s, Real x);

}  // namespace vx11
