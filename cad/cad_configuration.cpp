#include "cad/cad_configuration.h"

#include <algorithm>

namespace vx11 {

CadSettings cadSettingsFrom(const Configuration& c, const ProgramIdentity& id, const std::string& private_folder) {
  CadSettings s;
  s.layer_name = c.layer_name;
  s.layer_colour = c.layer_colour;
  s.text_style = c.cad_text_style;
  s.cad_text_width_factor = c.cad_text_width_factor == 0 ? 1 : c.cad_text_width_factor;
  s.cad_folder = c.cad_folder;
  if (!c.temp_folder.empty()) s.temp_folder = c.temp_folder;
  if (!private_folder.empty()) {
    s.plot_folder = s.temp_folder;
    s.temp_folder = private_folder;
  }
  s.layer_monochrome = c.layer_monochrome;
  s.pen_colour = c.colour_layer;
  s.line_width_layer = c.line_thickness;
  s.pen_line_width = c.line_thickness_16;
  s.decimals = c.dxf_decimals;
  s.cad_text_mode = c.cad_text_mode;
  s.decimal_separator = c.decimal_separator;
  for (int i = 0; i < kPlotCommandSlots; ++i)
    s.plot_command_lines[static_cast<std::size_t>(i)] = c.plot_command_lines[static_cast<std::size_t>(i)];
  s.plot_command_count = std::clamp(c.plot_command_count, 1, kPlotCommandSlots);
  s.program_name = id.short_name;
  s.program_version = id.version;
  return s;
}

void storePlotCommandLines(const CadSettings& cad, Configuration& config) {
  for (int i = 0; i < kPlotCommandSlots; ++i)
    config.plot_command_lines[static_cast<std::size_t>(i)] = cad.plot_command_lines[static_cast<std::size_t>(i)];
  config.plot_command_count = cad.plot_command_count;
}

void applyGraphicsConfiguration(const Configuration& c, GraphicsState& g) {
  if (c.resolution_horizontal > 0) g.width = static_cast<std::uint16_t>(std::min(c.resolution_horizontal, 65535));
  if (c.resolution_vertical > 0) g.height = static_cast<std::uint16_t>(std::min(c.resolution_vertical, 65535));
  g.zoom_factor = c.zoom_factor;
  g.pan_factor = c.pan_factor;
  g.text_height_factor = c.text_height_factor;
  g.text_width_factor = c.graphics_text_width_factor;
  g.font_name = c.graphics_text_style.substr(0, 60);
  g.font_style = static_cast<std::uint16_t>(std::clamp(c.graphics_text_style_flags, 0, 65535));
  g.colour_graphics = c.colour_graphics;
  g.printer_colour_mode = c.windows_print_mode == 2 ? 2 : 1;
}

}  // namespace vx11
