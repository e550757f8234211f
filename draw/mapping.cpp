#include "draw/mapping.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vx11 {

namespace {
int roundInt(Real v) { return static_cast<int>(std::llround(v)); }
}  // namespace

void deriveScale(GraphicsState& g, int x1, int y1, int x2, int y2) {
  if (x1 == x2 || y1 == y2) return;
  if (g.vx2 == g.vx1 || g.vy2 == g.vy1) return;  // no viewport to map into
  g.zx1 = x1;
  g.zy1 = y1;
  g.zx2 = x2;
  g.zy2 = y2;
  const Real vw = g.vx2 - g.vx1;
  const Real vh = g.vy2 - g.vy1;
  g.xa = (x1 - g.vx1) / vw * (g.wx2 - g.wx1) + g.wx1;
  g.xb = (x2 - g.vx1) / vw * (g.wx2 - g.wx1) + g.wx1;
  g.ya = (y1 - g.vy1) / vh * (g.wy2 - g.wy1) + g.wy1;
  g.yb = (y2 - g.vy1) / vh * (g.wy2 - g.wy1) + g.wy1;
  if (g.xb == g.xa || g.yb == g.ya) return;
  g.sx = vw / (g.xb - g.xa);
  g.sy = vh / (g.yb - g.ya);
  if (g.keep_aspect) {
    // One scale for both axes, so that a circle stays round on any area; the smaller one wins
    // and the whole visible world fits.
    if (g.sx >= g.sy)
      g.sx = g.sy;
    else
      g.sy = g.sx;
  }
}

PixelPoint toWindow(const GraphicsState& g, Real x, Real y) {
  return {roundInt((x - g.xa) * g.sx) + g.vx1, g.vy2 - roundInt((y - g.ya) * g.sy)};
}

int windowFontHeight(const GraphicsState& g, Real h) { return roundInt(h * g.sy); }
int windowFontWidth(const GraphicsState& g, Real w) { return roundInt(w * g.sx); }

Real printerScale(const GraphicsState& g, int pw, int ph) {
  const Real w = g.width == 0 ? 1 : g.width;
  const Real h = g.height == 0 ? 1 : g.height;
  return std::min(pw / w, ph / h);
}

PixelPoint toPrinter(const GraphicsState& g, int pw, int ph, Real x, Real y) {
  const Real k = printerScale(g, pw, ph);
  // Both margins are converted with the page width, taken as 210 mm.
  const int x0 = roundInt(static_cast<Real>(pw) * g.margin_x_mm / 210);
  const int y0 = roundInt(static_cast<Real>(pw) * g.margin_y_mm / 210);
  return {x0 + roundInt(k * ((x - g.xa) * g.sx + g.vx1) * g.stretch_x),
          y0 + roundInt(k * (g.vy2 - (y - g.ya) * g.sy) * g.stretch_y)};
}

int printerFontHeight(const GraphicsState& g, int pw, int ph, Real h) {
  return roundInt(printerScale(g, pw, ph) * h * g.sy * g.stretch_y);
}

int printerFontWidth(const GraphicsState& g, int pw, int ph, Real w) {
  return roundInt(printerScale(g, pw, ph) * w * g.sx * g.stretch_x);
}

ZoomRect zoomRect(const GraphicsState& g) { return {g.zx1, g.zy1, g.zx2, g.zy2}; }

ZoomRect zoomAfterKey(const GraphicsState& g, ZoomKey key) {
  ZoomRect z = zoomRect(g);
  const int zw = z.x2 - z.x1;
  const int zh = z.y2 - z.y1;
  auto vertical = [&](Real factor) { return roundInt(factor * zh); };
  auto horizontal = [&](Real factor) { return roundInt(factor * zw); };
  auto zoomTo = [&](int nw, int nh) {
    const int cx = (z.x1 + z.x2) / 2;
    const int cy = (z.y1 + z.y2) / 2;
    z.x1 = cx - nw / 2;
    z.x2 = z.x1 + nw;
    z.y1 = cy - nh / 2;
    z.y2 = z.y1 + nh;
  };
  const Real zf = zoomStep(g);
  switch (key) {
    case ZoomKey::Reset:
      return {g.vx1, g.vy1, g.vx2, g.vy2};
    case ZoomKey::Up:
    case ZoomKey::PageUp: {
      const int d = vertical(key == ZoomKey::Up ? g.pan_factor : 5 * g.pan_factor);
      z.y1 -= d;
      z.y2 -= d;
      break;
    }
    case ZoomKey::Down:
    case ZoomKey::PageDown: {
      const int d = vertical(key == ZoomKey::Down ? g.pan_factor : 5 * g.pan_factor);
      z.y1 += d;
      z.y2 += d;
      break;
    }
    case ZoomKey::Left: {
      const int d = horizontal(g.pan_factor);
      z.x1 += d;
      z.x2 += d;
      break;
    }
    case ZoomKey::Right: {
      const int d = horizontal(g.pan_factor);
      z.x1 -= d;
      z.x2 -= d;
      break;
    }
    case ZoomKey::ZoomIn:
      zoomTo(roundInt(zw / zf), roundInt(zh / zf));
      break;
    case ZoomKey::ZoomOut:
      zoomTo(roundInt(zw * zf), roundInt(zh * zf));
      break;
  }
  return z;
}

Real zoomStep(const GraphicsState& g) {
  Real zf = g.zoomFactor();
  if (zf < 1) zf = 1 / zf;
  return std::max(zf, kSmallestVisibleZoomStep);
}

ZoomRect zoomAbout(const GraphicsState& g, int px, int py, Real factor) {
  ZoomRect z = zoomRect(g);
  if (factor <= 0 || g.sx == 0 || g.sy == 0 || g.wx2 == g.wx1 || g.wy2 == g.wy1) return z;
  // The pixel back to the world by the mapping in force, the world point to zoom units.
  const Real x = g.xa + (px - g.vx1) / g.sx;
  const Real y = g.ya + (g.vy2 - py) / g.sy;
  const Real cx = g.vx1 + (x - g.wx1) / (g.wx2 - g.wx1) * (g.vx2 - g.vx1);
  const Real cy = g.vy1 + (y - g.wy1) / (g.wy2 - g.wy1) * (g.vy2 - g.vy1);
  const auto about = [factor](Real c, int v) { return roundInt(c + (v - c) / factor); };
  ZoomRect out{about(cx, z.x1), about(cy, z.y1), about(cx, z.x2), about(cy, z.y2)};
  // A rectangle that would collapse keeps the last one.
  if (out.x2 - out.x1 < 2 || out.y2 - out.y1 < 2) return z;
  return out;
}

bool zoomFromBand(const GraphicsState& g, int cw, int ch, int px1, int py1, int px2, int py2, ZoomRect& out) {
  if (px1 == px2 || py1 == py2 || cw <= 0 || ch <= 0) return false;
  const int pxmin = std::min(px1, px2), pxmax = std::max(px1, px2);
  const int pymin = std::min(py1, py2), pymax = std::max(py1, py2);
  const Real zw = g.zx2 - g.zx1, zh = g.zy2 - g.zy1;
  auto xOf = [&](int px) {
    if (g.keep_aspect) return roundInt(static_cast<Real>(px) / cw * zw * g.aspect_factor + g.zx1 * g.aspect_factor);
    return roundInt(static_cast<Real>(px) / cw * zw + g.zx1);
  };
  auto yOf = [&](int py) { return roundInt(static_cast<Real>(ch - py) / ch * zh + g.zy1); };
  out = {xOf(pxmin), yOf(pymax), xOf(pxmax), yOf(pymin)};
  return true;
}

}  // namespace vx11
