#include "ui/print_placement.h"

namespace vx11 {

PrintPlacement placement_from_configuration(const Configuration& c) {
  PrintPlacement p;
  p.stretch_x = c.screendump_scale == 0 ? 1 : c.screendump_scale;
  p.stretch_y = c.print_scale_vertical < 0.0001L ? p.stretch_x : c.print_scale_vertical;
  p.margin_x = c.screendump_origin_x;
  p.margin_y = c.screendump_origin_y;
  p.frame = c.screendump_border;
  p.colour_mode = c.windows_print_mode == 2 ? 2 : 1;
  p.landscape = c.printer_orientation != 1;
  return p;
}

void apply_placement(const PrintPlacement& p, GraphicsState& g) {
  g.stretch_x = p.stretch_x;
  g.stretch_y = p.stretch_y;
  g.margin_x_mm = p.margin_x;
  g.margin_y_mm = p.margin_y;
  g.print_frame = p.frame;
  g.printer_colour_mode = p.colour_mode;
}

}  // namespace vx11
