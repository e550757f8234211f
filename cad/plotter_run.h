// The plot program as a function: arguments in, plot out to a file, a port device or the spooler.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cad/plotter_options.h"

namespace vx11 {

// The DXF file a plot command names: as given, with ".dxf" added, in any letter case, and for a
// bare name also in the temporary folder. Empty when there is none.
std::string findPlotInput(const std::string& name);

// Exit codes: 0 plotted, 1 the file or the output failed, 2 the command line is wrong.
int runPlot(const std::vector<std::string>& words, std::ostream& err);

}  // namespace vx11
