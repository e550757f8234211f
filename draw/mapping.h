// Pure arithmetic of the drawing surface: scales, window and printer mappings, zoom and pan.
#pragma once

#include <cstdint>

#include "calc/connection_record.h"
#include "draw/graphics_state.h"

namespace vx11 {

struct PixelPoint {
  std::int32_t x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Stores the zoom rectangle and derives the visible world and the scales; ignored when the
// rectangle has no width or height.
void deriveScale(GraphicsState& g, int x1, int y1, int x2, int y2);

// World point to window pixels.
PixelPoint toWindow(const GraphicsState& g, Real x, Real y);
int windowFontHeight(const GraphicsState& g, Real h);
int windowFontWidth(const GraphicsState& g, Real w);

// Printer pixels per pixel of the drawing area on a page of pw by ph pixels: one factor for x and y,
// so that a circle prints round; the smaller of the two lets the whole area fit the page.
Real printerScale(const GraphicsState& g, int pw, int ph);
// World point to the printer page of pw by ph pixels (margins in mm of a 210 mm wide page).
PixelPoint toPrinter(const GraphicsState& g, int pw, int ph, Real x, Real y);
int printerFontHeight(const GraphicsState& g, int pw, int ph, Real h);
int printerFontWidth(const GraphicsState& g, int pw, int ph, Real w);

// The zoom rectangle after a key; false when the key changes nothing (Esc and F5 reset the zoom).
enum class ZoomKey { Reset, Up, Down, Left, Right, PageUp, PageDown, ZoomIn, ZoomOut };
struct ZoomRect {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const ZoomRect&) const = default;
};
ZoomRect zoomRect(const GraphicsState& g);
ZoomRect zoomAfterKey(const GraphicsState& g, ZoomKey key);

// The step of one zoom key press or wheel notch: the configured zoom factor, but never less than
// a step a person sees at once (a factor below 1 counts as its inverse).
inline constexpr Real kSmallestVisibleZoomStep = 1.25L;
Real zoomStep(const GraphicsState& g);

// The zoom rectangle enlarged by `factor` (> 1 zooms in) about the window pixel (px, py): the
// drawing point under that pixel stays under it.
ZoomRect zoomAbout(const GraphicsState& g, int px, int py, Real factor);

// The zoom rectangle chosen by a rubber band from pointer (px1, py1) to (px2, py2) in a client
// area of cw by ch pixels; nullopt-like false when start and end share an x or a y.
bool zoomFromBand(const GraphicsState& g, int cw, int ch, int px1, int py1, int px2, int py2, ZoomRect& out);

}  // namespace vx11
