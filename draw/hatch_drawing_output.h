// Hatching drawn through the drawing output layer, so hatch lines reach every output.
#pragma once

#include "draw/entity_sink.h"
#include "draw/hatch_output.h"

namespace vx11 {

class HatchDrawingOutput : public HatchOutput {
 public:
  explicit HatchDrawingOutput(EntitySink& out) : out_(out) {}
  void selectPen(int pen) override { out_.SetPen(pen); }
  void moveTo(Real x, Real y) override { out_.MoveTo(x, y); }
  void lineTo(Real x, Real y) override { out_.LineTo(x, y); }
  void line(Real x1, Real y1, Real x2, Real y2) override { out_.DrawLine(x1, y1, x2, y2); }

 private:
  EntitySink& out_;
};

}  // namespace vx11
