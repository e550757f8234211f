// Replaying the display list onto a device: parses every record, keeps the pen and text state and
// maps world coordinates, so that a device (the window, the printer page) only has to paint.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/mapping.h"

namespace vx11 {

// How a text is to look, in device units.
struct TextLook {
  std::string face;
  int height = 0;
  int width = 0;
  int escapement = 0;  // tenths of a degree
  int weight = 100;    // 700 bold
  bool italic = false, underline = false, strike_out = false;
  Rgb colour;
};

class ReplayDevice {
 public:
  virtual ~ReplayDevice() = default;
  virtual void setColour(Rgb pen_brush_font) = 0;
  virtual void setLineStyle(int style) = 0;  // 0 solid, 1 dotted, 2 dash-dot, 3 dashed
  virtual void setLineWidth(int pixels) = 0;
  virtual void line(PixelPoint a, PixelPoint b) = 0;
  virtual void ellipse(PixelPoint top_left, PixelPoint bottom_right) = 0;  // clear brush
  virtual void arc(PixelPoint top_left, PixelPoint bottom_right, PixelPoint start, PixelPoint end) = 0;
  virtual void polygon(const std::array<PixelPoint, 4>& corners, Rgb fill) = 0;  // solid brush
  virtual void text(PixelPoint top_left, const TextLook& look, std::string_view text) = 0;  // transparent
};

// The printer page a print run paints onto besides the window.
struct PrinterPage {
  ReplayDevice* device = nullptr;
  int width = 0, height = 0;  // pixels
};

// Called every 50000 records so that the window can serve its message queue.
class ReplayPacer {
 public:
  virtual ~ReplayPacer() = default;
  virtual void serveEvents() {}
};

// Replays the whole list. Window records change the state; a degenerate one sets `cancelled` and
// ends the replay, leaving what was painted so far.
void replayDisplayList(GraphicsState& state, const DisplayList& list, ReplayDevice& window,
                       const PrinterPage* printer, bool& cancelled, ReplayPacer* pacer = nullptr);

}  // namespace vx11
