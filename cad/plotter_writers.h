// The page description languages of the plot program: PostScript and the HP-GL dialects.
#pragma once

#include <ostream>
#include <string>

#include "cad/plotter_options.h"
#include "cad/plotter_sheet.h"

namespace vx11 {

// Writes the sheet in `format`; false when the format has no writer (ART).
bool writePlot(std::ostream& out, const PlotSheet& sheet, PlotFormat format, const std::string& ps_font);

// HP-GL plotter units per millimetre.
inline constexpr int kHpglUnitsPerMm = 40;

}  // namespace vx11
