#include "draw/graphics_surface.h"

#include <cmath>

#include "draw/mapping.h"
#include "base/guarded_math.h"

namespace vx11 {

namespace {
int roundInt(Real v) { return static_cast<int>(std::llround(v)); }
Real mod360(Real a) { return std::fmod(a, 360.0L); }
}  // namespace

void GraphicsSurface::SetWindow(bool keep_aspect, bool frame, Real fx1, Real fy1, Real fx2, Real fy2, Real wx1,
                                Real wy1, Real wx2, Real wy2) {
  GraphicsState& g = state_;
  g.vx1 = roundInt(fx1 * g.width);
  g.vx2 = roundInt(fx2 * g.width);
  g.vy1 = roundInt((1 - fy2) * g.height);
  g.vy2 = roundInt((1 - fy1) * g.height);
  if (frame) {
    ++g.vx1;
    ++g.vy1;
    --g.vx2;
    --g.vy2;
  }
  list_.add(kRecWindow, {static_cast<Real>(g.vx1), static_cast<Real>(g.vy1), static_cast<Real>(g.vx2),
                         static_cast<Real>(g.vy2), wx1, wy1, wx2, wy2});
  g.wx1 = wx1;
  g.wy1 = wy1;
  g.wx2 = wx2;
  g.wy2 = wy2;
  g.keep_aspect = keep_aspect;
  if (wx2 == wx1 || wy2 == wy1) {
    cancelled_ = true;
    return;
  }
  SetScale(g.vx1, g.vy1, g.vx2, g.vy2);
}

void GraphicsSurface::Header(Real x1, Real y1, Real x2, Real y2) {
  GraphicsState& g = state_;
  const Real ww = g.wx2 - g.wx1, wh = g.wy2 - g.wy1;
  if (ww != 0 && wh != 0 && g.height != 0)
    g.aspect_factor = (0.75L * g.width / g.height) * 640 / ww / (480 / wh);
  SetWindow(true, true, 0, 0, 1, 1, x1, y1, x2, y2);
  SetLineStyle(0);
  SaveLimit();
}

void GraphicsSurface::SetScale(int x1, int y1, int x2, int y2) { deriveScale(state_, x1, y1, x2, y2); }

void GraphicsSurface::ResetZoom() { SetScale(state_.vx1, state_.vy1, state_.vx2, state_.vy2); }

void GraphicsSurface::ReSetWindow() {
  SetWindow(false, false, 0, 0, 1, 1, 0, 0, 1, 1);
  ResetZoom();
}

void GraphicsSurface::SaveLimit() { state_.saved_limits = {state_.wx1, state_.wy1, state_.wx2, state_.wy2}; }

void GraphicsSurface::RestoreLimit() {
  const auto& s = state_.saved_limits;
  SetWindow(true, true, 0, 0, 1, 1, s[0], s[1], s[2], s[3]);
}

void GraphicsSurface::Clear() {
  list_.clear();
  // An empty list replays from the start state, so no earlier colour or pen may be taken as set.
  last_colour_ = -1;
  resetPenFilters();
  view_.repaint();
}

void GraphicsSurface::ClearViewPort() {
  view_.setWaitCursor();
  view_.repaint();
}

void GraphicsSurface::line(Real x1, Real y1, Real x2, Real y2) { list_.add(kRecLine, {x1, y1, x2, y2}); }

void GraphicsSurface::circle(Real x, Real y, Real r) { list_.add(kRecCircle, {x, y, r}); }

void GraphicsSurface::Arc(Real x, Real y, Real a1, Real a2, Real r) {
  Real sweep = mod360(a2) - mod360(a1);
  if (sweep < 0) sweep += 360;
  const Real c1 = std::cos(toRadians(a1)), s1 = std::sin(toRadians(a1));
  const Real c2 = std::cos(toRadians(a2)), s2 = std::sin(toRadians(a2));
  if (sweep < 4) {
    // A device arc this short is drawn unreliably; the chord is indistinguishable.
    line(x + r * c1, y + r * s1, x + r * c2, y + r * s2);
    return;
  }
  list_.add(kRecArc, {x - r, y - r, x + r, y + r, x + r * c1, y + r * s1, x + r * c2, y + r * s2});
}

void GraphicsSurface::Solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
  list_.add(kRecSolid, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void GraphicsSurface::OutTextXY(Real x, Real y, std::string_view text) { list_.addText(x, y, text); }

void GraphicsSurface::SetTextStyle(int font, Real angle, Real height, Real width) {
  list_.add(kRecTextStyle, {height, width, static_cast<Real>(font), angle});
}

void GraphicsSurface::SetColor(int index) {
  if (index > state_.highest_colour || index == last_colour_) return;
  list_.add(kRecColour, {static_cast<Real>(index)});
  last_colour_ = index;
}

void GraphicsSurface::SetLineStyle(int style) {
  if (style == last_line_style_) return;
  list_.add(kRecLineStyle, {static_cast<Real>(style)});
  last_line_style_ = style;
}

void GraphicsSurface::SetLineWidth(int width) {
  if (width == last_line_width_) return;
  list_.add(kRecLineWidth, {static_cast<Real>(width)});
  last_line_width_ = width;
}

void GraphicsSurface::DrawKorvantLogo() {
  Header(-1, -1, 38, 33);
  SetLineStyle(0);
  // Three slanted bars forming a stylised K over a base bar.
  SetColor(9);
  Solid(0, 0, 6, 0, 0, 32, 6, 32);
  SetColor(13);
  Solid(6, 14, 12, 10, 28, 32, 36, 32);
  Solid(6, 18, 12, 22, 28, 0, 36, 0);
  SetColor(9);
  Solid(14, 0, 26, 0, 14, 3, 26, 3);
  MoveTo(0, 0);
}

}  // namespace vx11
