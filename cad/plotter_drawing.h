// A whole DXF file as the plot program needs it: extents, layers, block definitions and entities.
#pragma once

#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cad/block_file.h"
#include "calc/connection_record.h"

namespace vx11 {

struct PlotLayer {
  int colour = 7;
  std::string line_type = "CONTINUOUS";
};

struct PlotDrawing {
  bool has_extents = false;
  Real x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // $EXTMIN, $EXTMAX
  std::map<std::string, PlotLayer> layers;
  std::map<std::string, std::vector<BlockEntity>> blocks;
  std::vector<BlockEntity> entities;
};

// The drawing, or nullopt with a message in `error` for a file that is no DXF of this form.
std::optional<PlotDrawing> readPlotDrawing(std::istream& in, std::string& error);

}  // namespace vx11
