// The plot command line of a fresh installation: the project's own plot program, PostScript fitted
// onto the sheet, to the printer port or else the default printer.
#pragma once

namespace vx11 {

inline constexpr const char* kPlotCommandDefault = "zeichnr zeichnr /CPS /M*";

}  // namespace vx11
