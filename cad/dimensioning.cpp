#include "cad/dimensioning.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/format.h"
#include "base/guarded_math.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr int kDimensionPen = 3;
constexpr const char* kPlusMinus = "\xF1";  // code page 850

// The length of the measure text with the room of its tolerances behind it.
Real textRoom(const DimensionCanvas& c, std::string_view text, std::string_view upper, std::string_view lower) {
  const Real ds = c.dimensionScale();
  const Real n = static_cast<Real>(text.size());
  const Real m = static_cast<Real>(std::max(upper.size(), lower.size()));
  const Real k = c.fontWidthFactor();
  const Real tolerance_room = (m + 1) * 1.8L * c.textWidthFactor() * ds * 1.1L;
  return n * 2.5L * k * ds * 1.2L + tolerance_room;
}

void tolerances(DimensionCanvas& c, Real along, Real base, bool vertical, std::string_view upper,
                std::string_view lower) {
  const Real ds = c.dimensionScale();
  auto put = [&](const std::string& s, Real offset) {
    if (vertical)
      c.DrawText(s, base - offset, along);
    else
      c.DrawText(s, along, base + offset);
  };
  const std::string up = trimBlanks(upper), low = trimBlanks(lower);
  if (up.empty() && low.empty()) return;
  if (up.empty()) {
    put(low, 0.5L * ds);
    return;
  }
  if (low.empty()) {
    put(up, 2.5L * ds);
    return;
  }
  const Real u = parseReal(up), l = parseReal(low);
  if (u == -l && u != 0) {
    put(kPlusMinus + up, 1.25L * ds);
    return;
  }
  auto signed_text = [](const std::string& s, Real v) { return v > 0 && s.front() != '+' ? "+" + s : s; };
  if (u != 0) put(signed_text(up, u), 2.5L * ds);
  if (l != 0) put(signed_text(low, l), 0.5L * ds);
}

}  // namespace

void dimensionHorizontal(DimensionCanvas& c, Real x1, Real y1, Real x2, Real y2, Real yd, std::string_view text,
                         std::string_view upper, std::string_view lower) {
  const Real ds = c.dimensionScale();
  c.SetPen(kDimensionPen);
  auto beyond = [&](Real y) { return yd >= y ? yd + ds : yd - ds; };
  c.DrawLine(x1, y1, x1, beyond(y1));
  c.DrawLine(x2, y2, x2, beyond(y2));
  Real xa = std::min(x1, x2), xb = std::max(x1, x2);
  if ((xb - xa) / ds <= 10) std::swap(xa, xb);  // short: the arrowheads stand outside
  c.SetCadTextStyle(2, 0, 3.5L * ds, 2.5L * ds);
  const Real n = static_cast<Real>(text.size());
  const Real x0 = (xa + xb) / 2 - textRoom(c, text, upper, lower) / 2;
  c.DrawText(text, x0, yd + ds);
  c.SetCadTextStyle(2, 0, 2.5L * ds, 1.8L * ds);
  tolerances(c, x0 + (n + 1) * 2.5L * c.textWidthFactor() * ds * 1.2L, yd, false, upper, lower);
  c.DrawLine(xa, yd, xb, yd);
  c.DrawArrow(xa, yd, 0);
  c.DrawArrow(xb, yd, 180);
}

void dimensionVertical(DimensionCanvas& c, Real x1, Real y1, Real x2, Real y2, Real xd, std::string_view text,
                       std::string_view upper, std::string_view lower) {
  const Real ds = c.dimensionScale();
  c.SetPen(kDimensionPen);
  auto beyond = [&](Real x) { return xd >= x ? xd + ds : xd - ds; };
  c.DrawLine(x1, y1, beyond(x1), y1);
  c.DrawLine(x2, y2, beyond(x2), y2);
  Real ya = std::min(y1, y2), yb = std::max(y1, y2);
  if ((yb - ya) / ds <= 10) std::swap(ya, yb);
  c.SetCadTextStyle(2, 90, 3.5L * ds, 2.5L * ds);
  const Real n = static_cast<Real>(text.size());
  const Real y0 = (ya + yb) / 2 - textRoom(c, text, upper, lower) / 2;
  c.DrawText(text, xd - ds, y0);
  c.SetCadTextStyle(2, 90, 2.5L * ds, 1.8L * ds);
  tolerances(c, y0 + (n + 1) * 2.5L * c.textWidthFactor() * ds * 1.2L, xd, true, upper, lower);
  c.DrawLine(xd, ya, xd, yb);
  c.DrawArrow(xd, ya, 90);
  c.DrawArrow(xd, yb, 270);
}

void dimensionLeader(DimensionCanvas& c, Real x, Real y, Real a, std::string_view text, std::string_view upper,
                     std::string_view lower) {
  const Real ds = c.dimensionScale();
  c.SetPen(kDimensionPen);
  c.DrawArrow(x, y, a);
  const Real kx = x + 5 * ds * std::sin(toRadians(a));
  const Real ky = y + 5 * ds * std::cos(toRadians(a));
  c.DrawLine(x, y, kx, ky);
  c.SetCadTextStyle(2, 0, 3.5L * ds, 2.5L * ds);
  const Real n = static_cast<Real>(text.size());
  c.DrawLine(kx, ky, kx + textRoom(c, text, upper, lower), ky);
  c.DrawText(text, kx, ky + ds);
  c.SetCadTextStyle(2, 0, 2.5L * ds, 1.8L * ds);
  tolerances(c, kx + (n + 1) * 2.5L * c.textWidthFactor() * ds * 1.2L, ky, false, upper, lower);
}

void dimensionRadius(DimensionCanvas& c, const FormatSettings& format, Real cx, Real cy, Real a, Real r) {
  const Real ds = c.dimensionScale();
  c.SetPen(kDimensionPen);
  const Real co = std::cos(toRadians(a)), s = std::sin(toRadians(a));
  const Real px = cx + r * co, py = cy + r * s;
  c.DrawArrow(px, py, a + 180);
  const Real l = std::min(30 * ds, r);
  const Real qx = px - l * co, qy = py - l * s;
  c.DrawLine(px, py, qx, qy);
  c.SetCadTextStyle(2, a, 3.5L * ds, 2.5L * ds);
  c.DrawText("R " + fmtSig(format, r), qx + 7 * ds, qy + 2 * ds);
}

}  // namespace vx11
