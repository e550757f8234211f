// What the help level ("Hilfegrad" 0, 1, 2) offers unasked: tooltips, quick view, message preselection.
#pragma once

#include <string>

#include "help/help_show.h"
#include "base/format_settings.h"

namespace vx11 {

// Levels 1 and 2: dialog labels carry their help texts as tooltips.
inline bool labelTooltipsOn(int level) { return level != 0; }
// Levels 1 and 2: the quick view opens after a calculation.
inline bool quickViewAfterCalculation(int level) { return level != 0; }
// The message dialog preselects "Weiter/zurück..." (item count + 1) below level 2, else item 1.
inline int messageDialogPreset(int level, int item_count) { return level < 2 ? item_count + 1 : 1; }

// The tooltip of a dialog label with help text n: empty at level 0 or without a text.
std::string labelTooltip(const FormatSettings& format, const HelpSettings& settings, int n);

}  // namespace vx11
