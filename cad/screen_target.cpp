#include "cad/screen_target.h"

#include <algorithm>

#include "cad/block_files.h"

namespace vx11 {

void ScreenTarget::open() {
  c_.surface.Clear();
  c_.surface.SetWaitCursor();
}

void ScreenTarget::close() {
  c_.surface.view().repaint();
  c_.surface.SetOldCursor();
  remove_temporary_block_files(c_.cad.temp_folder);
}

Real ScreenTarget::fontWidthFactor() const { return c_.surface.state().textWidthFactor(); }

int ScreenTarget::surfaceLineWidth(int p) const {
  if (p >= 1 && p <= 5) return std::max(1, c_.cad.line_width_layer[static_cast<std::size_t>(p)]);
  if (p >= 16 && p <= 31) {
    const int w = c_.cad.pen_line_width[static_cast<std::size_t>(p - 16)];
    return w >= 2 && w <= 50 ? w : 1;
  }
  return 1;
}

void ScreenTarget::surfacePen(int p) {
  GraphicsSurface& s = c_.surface;
  if (p <= 5) {
    s.SetLineStyle(p == 1 ? 2 : p == 2 ? 3 : 0);
    s.SetColorAcad(c_.cad.colourOfPen(p));
  } else {
    s.SetLineStyle(0);
    if (p >= 16) s.SetColorAcad(c_.cad.colourOfPen(p));
  }
  s.SetLineWidth(surfaceLineWidth(p));
}

void ScreenTarget::pen(int p, const std::string& layer) {
  pen_ = p;
  layer_ = layer;
  if (blocks_.recording())
    blocks_.recorder().setLayer(layer);
  else
    surfacePen(p);
}

void ScreenTarget::textStyle(int font, Real angle, Real height, Real width) {
  if (!blocks_.recording()) c_.surface.SetTextStyle(font, angle, height, 0.95L * width);
}

void ScreenTarget::lineStyle(int style) {
  if (!blocks_.recording()) c_.surface.SetLineStyle(style);
}

void ScreenTarget::line(Real x1, Real y1, Real x2, Real y2) {
  if (blocks_.recording())
    blocks_.recorder().line(x1, y1, x2, y2);
  else
    c_.surface.line(x1, y1, x2, y2);
}

void ScreenTarget::circle(Real x, Real y, Real r) {
  if (blocks_.recording())
    blocks_.recorder().circle(x, y, r);
  else
    c_.surface.circle(x, y, r);
}

void ScreenTarget::arc(Real x, Real y, Real a1, Real a2, Real r) {
  if (blocks_.recording())
    blocks_.recorder().arc(x, y, a1, a2, r);
  else
    c_.surface.Arc(x, y, a1, a2, r);
}

void ScreenTarget::text(std::string_view s, Real x, Real y, const CadTextStyle& style) {
  if (blocks_.recording())
    blocks_.recorder().text(s, x, y, style);
  else
    c_.surface.OutTextXY(x, y, s);
}

void ScreenTarget::solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
  if (blocks_.recording())
    blocks_.recorder().solid(x1, y1, x2, y2, x3, y3, x4, y4);
  else
    c_.surface.Solid(x1, y1, x2, y2, x4, y4, x3, y3);  // the outline order of the fill
}

void ScreenTarget::insert(std::string_view name, Real x, Real y, Real rotation, Real sx, Real sy) {
  if (blocks_.recording()) {
    blocks_.recorder().insert(name, x, y, rotation, sx, sy);
    return;
  }
  // The drawn block sets pens of its own; the drawing goes on with its pen.
  const int saved_pen = pen_;
  blocks_.expand(name, x, y, rotation, sx, sy);
  if (!c_.cancelled) pens_.SetPen(saved_pen);
}

void ScreenTarget::entitiesStart() {
  c_.surface.view().repaint();
  lineStyle(0);
}

}  // namespace vx11
