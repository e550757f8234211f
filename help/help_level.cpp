#include "help/help_level.h"

namespace vx11 {

std::string labelTooltip(const FormatSettings& format, const HelpSettings& settings, int n) {
  if (!labelTooltipsOn(settings.level) || n == 0) return {};
  return helpText(format, settings, n, n);
}

}  // namespace vx11
