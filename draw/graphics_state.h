// The graphics-wide state shared by the drawing surface and its clients, and the colour table.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calc/connection_record.h"

namespace vx11 {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// Colour index to RGB, the same for screen and printer; index 16 paints black.
Rgb colourOfIndex(int index);

// A drawing-exchange colour number to a colour index of the table.
int GetColorTurbo(int n);

struct GraphicsState {
  // Size of the drawing area in pixels (from the configuration).
  std::uint16_t width = 640;
  std::uint16_t height = 480;
  // Viewport in pixels of the drawing area; vy1 is the top row.
  std::int32_t vx1 = 0, vy1 = 0, vx2 = 1, vy2 = 1;
  // World window (y up).
  Real wx1 = 0, wy1 = 0, wx2 = 1, wy2 = 1;
  // Shown part of the viewport, x like the viewport, y counted upward from vy1.
  std::int32_t zx1 = 0, zy1 = 0, zx2 = 1, zy2 = 1;
  // Visible world after zoom, and pixels per world unit.
  Real xa = 0, ya = 0, xb = 1, yb = 1;
  Real sx = 1, sy = 1;
  bool keep_aspect = true;
  std::array<Real, 4> saved_limits{};
  Real aspect_factor = 0;
  Real zoom_factor = 1.2L;  // 0 counts as 1.0
  Real pan_factor = 0.1L;
  Real text_height_factor = 1.0L;  // 0 counts as 1.0
  Real text_width_factor = 0.8L;   // "Textbreitenfaktor Grafik"; 0 counts as 1.0
  std::string font_name = "Arial";
  std::uint16_t font_style = 0;  // bit 0 bold, 1 italic, 2 underline, 3 strike-out; used when 1..15
  bool colour_graphics = true;
  Rgb background{255, 255, 255};
  int highest_colour = 16;
  bool print_flag = false;
  int printer_colour_mode = 1;  // 1 monochrome, 2 colour
  bool print_frame = false;
  int margin_x_mm = 0, margin_y_mm = 0;
  Real stretch_x = 1, stretch_y = 1;

  Real zoomFactor() const { return zoom_factor == 0 ? 1.0L : zoom_factor; }
  Real textHeightFactor() const { return text_height_factor == 0 ? 1.0L : text_height_factor; }
  Real textWidthFactor() const { return text_width_factor == 0 ? 1.0L : text_width_factor; }
};

}  // namespace vx11
