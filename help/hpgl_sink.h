// What the HP-GL picture reader draws into: the graphics window, a display list or a test recorder.
#pragma once

#include <string_view>

#include "calc/connection_record.h"

namespace vx11 {

// Coordinates in millimetres, angles in degrees counter-clockwise, texts in code page 850.
class HpglSink {
 public:
  virtual ~HpglSink() = default;
  virtual void clear() = 0;  // a new picture starts: erases the drawing, keeps the world window
  virtual void moveTo(Real x, Real y) = 0;
  virtual void lineTo(Real x, Real y) = 0;
  // Pen n was selected; `colour` is the colour index that goes with it.
  virtual void selectPen(int pen, int colour) = 0;
  virtual void circle(Real cx, Real cy, Real r) = 0;
  // From the start angle through `sweep` (negative: clockwise).
  virtual void arc(Real cx, Real cy, Real r, Real start, Real sweep) = 0;
  // Text whose baseline starts at (x, y); character width and height in mm.
  virtual void text(Real x, Real y, std::string_view text, Real width, Real height, Real angle) = 0;
};

// The graphics window as the help shows pictures in it.
class HelpCanvas : public HpglSink {
 public:
  virtual void setWorldWindow(Real width, Real height) = 0;
};

}  // namespace vx11
