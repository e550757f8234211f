// The drawing laid out on an A4 page in millimetres: strokes, filled quadrilaterals and texts,
// blocks expanded, arcs flattened, scaled or fitted, shifted and, for landscape, turned.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cad/plotter_drawing.h"
#include "cad/plotter_options.h"

namespace vx11 {

using PlotPoint = std::pair<Real, Real>;

struct PlotStroke {
  std::vector<PlotPoint> points;
  int colour = 7;
  int line_type = 0;  // 0 continuous, 1 dashed, 2 dash-dot
};
struct PlotFill {
  std::vector<PlotPoint> corners;
  int colour = 7;
};
struct PlotText {
  Real x = 0, y = 0, height = 2.5, width_factor = 1, angle = 0;
  std::string text;
  int colour = 7;
};

struct PlotSheet {
  static constexpr Real kWidth = 210, kHeight = 297, kMargin = 10;  // the page is portrait
  Real scale = 1;
  std::vector<PlotStroke> strokes;
  std::vector<PlotFill> fills;
  std::vector<PlotText> texts;
  std::vector<std::string> warnings;
};

// False with `error` set when the drawing cannot be laid out (blocks nested too deep, too large).
bool layOutPlot(const PlotDrawing& d, const PlotOptions& o, PlotSheet& sheet, std::string& error);

}  // namespace vx11
