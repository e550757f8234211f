// Where hatching draws: pen choice, the outline polyline and the single hatch lines.
#pragma once

#include "calc/connection_record.h"

namespace vx11 {

// One adapter maps these calls onto the drawing output layer, so hatching reaches every output.
class HatchOutput {
 public:
  virtual ~HatchOutput() = default;
  virtual void selectPen(int pen) = 0;
  virtual void moveTo(Real x, Real y) = 0;
  virtual void lineTo(Real x, Real y) = 0;
  virtual void line(Real x1, Real y1, Real x2, Real y2) = 0;
};

}  // namespace vx11
