// Dimensions built from the output's own elements: extension lines, the dimension line with its
// arrowheads, the measure and the tolerances, all in the dimension pen and the dimension scale.
#pragma once

#include <string_view>

#include "base/format_settings.h"
#include "base/real.h"

namespace vx11 {

// What a dimension is drawn with.
class DimensionCanvas {
 public:
  virtual ~DimensionCanvas() = default;

  virtual void SetPen(int p) = 0;
  virtual void SetCadTextStyle(int font, Real angle, Real height, Real width) = 0;
  virtual void DrawLine(Real x1, Real y1, Real x2, Real y2) = 0;
  virtual void DrawText(std::string_view s, Real x, Real y) = 0;
  virtual void DrawArrow(Real x, Real y, Real direction) = 0;

  // The dimension scale: the drawing's one times the drawing scale.
  virtual Real dimensionScale() const = 0;
  // The width factor of the current text style.
  virtual Real textWidthFactor() const = 0;
  // The width factor of the output's font, which the room of a measure text depends on.
  virtual Real fontWidthFactor() const = 0;
};

void dimensionHorizontal(DimensionCanvas& c, Real x1, Real y1, Real x2, Real y2, Real yd, std::string_view text,
                         std::string_view upper, std::string_view lower);
void dimensionVertical(DimensionCanvas& c, Real x1, Real y1, Real x2, Real y2, Real xd, std::string_view text,
                       std::string_view upper, std::string_view lower);
void dimensionLeader(DimensionCanvas& c, Real x, Real y, Real angle, std::string_view text, std::string_view upper,
                     std::string_view lower);
void dimensionRadius(DimensionCanvas& c, const FormatSettings& format, Real cx, Real cy, Real angle, Real r);

}  // namespace vx11
