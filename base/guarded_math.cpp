#include "base/guarded_math.h"

#include <cmath>
#include <string>

namespace vx11 {

Real tanGuarded(MessageList& m, Real x) {
  const Real c = std::cos(x);
  if (c == 0) {
    m.add("Error: function tan in Unit math");
    return 1E30L;
  }
  return std::sin(x) / c;
}

Real arcSin(MessageList& m, Real x) {
  if (std::fabs(x) > 1) {
    m.add("Error: ArcSin in unit math");
    return kPi / 2;
  }
  if (x == 1) return kPi / 2;
  if (x == -1) return -kPi / 2;
  return std::atan(x / std::sqrt(1 - x * x));
}

Real arcCos(MessageList& m, Real x) {
  if (std::fabs(x) > 1) {
    m.add("Error: function ArcCos in math");
    return 0;
  }
  if (x == 1) return 0;
  if (x == -1) return kPi;
  return kPi / 2 - std::atan(x / std::sqrt(1 - x * x));
}

Real power(MessageList& m, std::string_view name, Real a, Real b) {
  if (b < 0) {
    if (!name.empty()) m.add(std::string(name) + " (pow)");
    b = -b;
  }
  if (b == 0) return 0;
  const Real e = a * std::log(b);
  if (e > 3000) return 1E3000L;
  if (e < -3000) return 0;
  return std::exp(e);
}

Real log10Guarded(Real x) { return x <= 0 ? -1E30L : std::log10(x); }

Real intPower(Real x, int n) {
  if (n < 0) return 1 / intPower(x, -n);
  Real r = 1;
  for (int i = 0; i < n; ++i) r *= x;
  return r;
}

Real hypotenuse(Real x, Real y) { return std::sqrt(x * x + y * y); }

Real fullAngle(Real x, Real y) {
  if (x == 0) return y >= 0 ? kPi / 2 : -kPi / 2;
  const Real a = std::atan(y / x);
  return x < 0 ? a + kPi : a;
}


void rotatePoint(Real angle_rad, Real& x, Real& y) {
  const Real c = std::cos(angle_rad), s = std::sin(angle_rad);
  const Real nx = x * c - y * s;
  y = x * s + y * c;
  x = nx;
}

bool nearlyEqual(Real a, Real b) { return std::fabs(a - b) < 0.00001L; }

int clampInt(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace vx11
