#include "help/surface_canvas.h"

#include <cmath>

namespace vx11 {

namespace {
// The surface font the plot labels are drawn in (a plain stroke font in the drawings too).
constexpr int kLabelFont = 2;
}  // namespace

void SurfaceHelpCanvas::clear() {
  surface_.Clear();
  just_cleared_ = world_w_ != 0 && world_h_ != 0;
  if (just_cleared_) surface_.Header(0, 0, world_w_, world_h_);
  x_ = y_ = 0;
}

void SurfaceHelpCanvas::setWorldWindow(Real width, Real height) {
  const bool recorded = just_cleared_ && width == world_w_ && height == world_h_;
  just_cleared_ = false;
  world_w_ = width;
  world_h_ = height;
  if (!recorded) surface_.Header(0, 0, width, height);
  surface_.ResetZoom();
}

void SurfaceHelpCanvas::moveTo(Real x, Real y) {
  just_cleared_ = false;
  x_ = x;
  y_ = y;
  surface_.MoveTo(x, y);
}

void SurfaceHelpCanvas::lineTo(Real x, Real y) {
  surface_.line(x_, y_, x, y);
  moveTo(x, y);
}

void SurfaceHelpCanvas::selectPen(int, int colour) {
  just_cleared_ = false;
  surface_.SetColor(colour);
}

void SurfaceHelpCanvas::circle(Real cx, Real cy, Real r) {
  just_cleared_ = false;
  if (r > 0) surface_.circle(cx, cy, r);
}

void SurfaceHelpCanvas::arc(Real cx, Real cy, Real r, Real start, Real sweep) {
  just_cleared_ = false;
  if (r <= 0 || sweep == 0) return;
  if (std::fabs(sweep) >= 360) {
    surface_.circle(cx, cy, r);
    return;
  }
  // The surface draws counter-clockwise only; a clockwise sweep is the same arc from its far end.
  const Real from = sweep > 0 ? start : start + sweep;
  surface_.Arc(cx, cy, from, from + std::fabs(sweep), r);
}

void SurfaceHelpCanvas::text(Real x, Real y, std::string_view text, Real width, Real height, Real angle) {
  just_cleared_ = false;
  surface_.SetTextStyle(kLabelFont, angle, height, width);
  surface_.OutTextXY(x, y, text);
}

}  // namespace vx11
