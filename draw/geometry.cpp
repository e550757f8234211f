#include "draw/geometry.h"

#include <cmath>
#include <string>

#include "base/format.h"
#include "base/guarded_math.h"

namespace vx11 {

bool GetArcCenter(MessageList& messages, const FormatSettings& format, Real x1, Real y1, Real x2, Real y2,
                  Real dphi, ArcGeometry& arc) {
  const Real half = dphi / 2;
  if (std::sin(half) == 0 || std::fabs(std::sin(half)) < 1e-15L) {
    messages.add("Fehler in GetArcCenter (dphi = " + fmtSig(format, dphi) + " ! ");
    return false;
  }
  const Real l12 = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
  const Real mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
  // A half circle has its centre on the chord.
  const Real t = std::fabs(std::sin(dphi)) > 1e-15L ? (l12 / 2) / std::tan(half) : 0;
  ArcGeometry a;
  a.r = std::fabs((l12 / 2) / std::sin(half));
  if (l12 != 0) {
    a.xm = mx - (y2 - y1) * t / l12;
    a.ym = my + (x2 - x1) * t / l12;
  } else {
    messages.add("GetArcCenter l12=0");
    a.xm = mx;
    a.ym = my;
  }
  // Both angles in 0 .. 2 pi, so that callers get one form of every direction.
  auto full = [](Real phi) { return phi < 0 ? phi + 2 * kPi : phi; };
  a.phi1 = full(PolarAngle(x1 - a.xm, y1 - a.ym));
  a.phi2 = full(PolarAngle(x2 - a.xm, y2 - a.ym));
  if (dphi < 0) std::swap(a.phi1, a.phi2);
  arc = a;
  return true;
}

PlacedPoint PlacePoint(Real x, Real y, Real theta_deg, Real ix, Real iy, Real sx, Real sy) {
  const Real t = toRadians(theta_deg);
  const Real c = std::cos(t), s = std::sin(t);
  return {ix + sx * x * c - sy * y * s, iy + sy * y * c + sx * x * s};
}

Real PolarAngle(Real dx, Real dy) {
  if (dx == 0) return dy >= 0 ? kPi / 2 : -kPi / 2;
  Real a = std::atan(dy / dx);
  if (dx < 0) a += kPi;
  return a;
}

}  // namespace vx11
