// The help-picture viewer: reads an HP-GL plot file and draws it through an HpglSink.
#pragma once

#include <string>
#include <string_view>

#include "help/hpgl_sink.h"
#include "base/interaction.h"

namespace vx11 {

inline constexpr long double kPlotterUnitMm = 0.025L;

// Draws the commands of `plot`; any bytes are accepted, unknown commands are skipped.
// Stops at the end or as soon as `cancelled` becomes true (the sink may set it).
void readHpgl(std::string_view plot, HpglSink& sink, const bool& cancelled);

// Reads the plot file and draws it; a file that cannot be read gives a message box and false.
bool drawPlotFile(const std::string& path, HpglSink& sink, const bool& cancelled, Interaction& ui);

}  // namespace vx11
