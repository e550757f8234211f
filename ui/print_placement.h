// The placement of a drawing on the printer page: stretch, margins, frame, colour mode and
// orientation, preset from the configuration and handed to the graphics state for a print run.
#pragma once

#include "calc/connection_record.h"
#include "draw/graphics_state.h"
#include "project/configuration.h"

namespace vx11 {

struct PrintPlacement {
  Real stretch_x = 1, stretch_y = 1;
  int margin_x = 0, margin_y = 0;  // mm
  bool frame = false;
  int colour_mode = 1;  // 1 monochrome, 2 colour
  bool landscape = true;
  bool operator==(const PrintPlacement&) const = default;
};

// The values the print dialog opens with, every time it opens.
PrintPlacement placement_from_configuration(const Configuration& c);

// The placement the printer mapping of the replay uses.
void apply_placement(const PrintPlacement& p, GraphicsState& g);

}  // namespace vx11
