// The command line of the plot program zeichnr: the DXF file first, then one switch a word, as the
// plot dialog and the prompt sequence build it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cad/plot_command.h"
#include "calc/connection_record.h"

namespace vx11 {

struct PlotOptions {
  std::string dxf_file;  // as given, with or without ".dxf"
  PlotFormat format = PlotFormat::Hpl;
  PlotInterface interface = PlotInterface::Parallel;
  int port = 1;  // "/P": the port number itself, 1..4
  std::string output_file;
  Real scale = 1;
  bool fit = false;  // "/M*"
  Real x_offset = 0, y_offset = 0;
  Real text_width_factor = 1;
  bool rotate = false;
  std::string ps_font = "Helvetica";
};

struct PlotArguments {
  std::optional<PlotOptions> options;  // none when the words do not form a plot command
  std::string error;                   // why not
  bool help = false;                   // "/?", "-h" or "--help"
};

// `words` are the arguments after the program name.
PlotArguments parsePlotArguments(const std::vector<std::string>& words);

extern const char* const kPlotUsage;

}  // namespace vx11
