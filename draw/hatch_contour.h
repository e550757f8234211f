// Hatching of closed contours: the contour buffer, the hatch mode and the even-odd hatch lines.
#pragma once

#include <array>
#include <cstdint>

#include "calc/connection_record.h"
#include "draw/hatch_crossings.h"
#include "draw/hatch_output.h"
#include "base/message_list.h"

namespace vx11 {

// One per program run: the drawings collect a contour point by point, then hatch it.
// Messages go to the run's message list; the two fatal cases also set the abort flag.
class Hatching {
 public:
  static constexpr int kMaxPoints = 50;
  static constexpr int kOutlinePen = 5;  // pen of the outline in mode 1
  static constexpr int kHatchPen = 3;    // pen of the hatch lines in modes 1 and 2

  Hatching(HatchOutput& out, MessageList& messages, bool& cancelled)
      : out_(out), messages_(messages), cancelled_(cancelled) {}

  void HatchReset() { count_ = 0; }
  // 0: outline and lines with the current pen; 1: outline pen 5, lines pen 3; 2: no outline, lines pen 3.
  void HatchMode(int mode) { mode_ = static_cast<std::int16_t>(mode); }
  // Appends a point; a full buffer refuses it with "Schraffurfehler". False when refused.
  bool HatchPoint(Real x, Real y);
  // Appends (cx + r·cos a, cy + r·sin a), a in radians.
  bool HatchArcPoint(Real cx, Real cy, Real r, Real angle);
  // Appends n + 1 points from the start to the end angle (radians) in n equal steps.
  void HatchArc(int n, Real cx, Real cy, Real r, Real start, Real end);
  // Hatches the first n points (0: all collected) at angle degrees, lines `spacing` apart
  // (0: a tenth of the contour's extent across the lines).
  void Hatch(int n, Real angle, Real spacing);
  // Hatches the rectangle; a spacing of 0 becomes 0.2 × the larger side, rounded.
  void HatchRect(Real x1, Real y1, Real x2, Real y2, Real spacing, Real angle);

  int count() const { return count_; }
  int mode() const { return mode_; }
  const HatchPointXY& point(int i) const { return points_[i]; }

 private:
  HatchOutput& out_;
  MessageList& messages_;
  bool& cancelled_;
  std::array<HatchPointXY, kMaxPoints> points_{};
  std::int16_t count_ = 0;
  std::int16_t mode_ = 0;
};

}  // namespace vx11
