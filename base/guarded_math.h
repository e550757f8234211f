// Math functions that report a domain error into the message list and return a substitute.
#pragma once

#include <string_view>

#include "base/real.h"
#include "base/message_list.h"

namespace vx11 {

inline constexpr Real kPi = 3.14159265358979323846264338327950288L;
// The factor itself, for code that scales by it; toRadians and toDegrees multiply before they divide.
inline constexpr Real kRadiansPerDegree = kPi / 180;

Real tanGuarded(MessageList& m, Real x);
Real arcSin(MessageList& m, Real x);
Real arcCos(MessageList& m, Real x);
// b to the power a; a negative base adds name + " (pow)" when name is not empty.
Real power(MessageList& m, std::string_view name, Real a, Real b);
Real log10Guarded(Real x);
Real intPower(Real x, int n);
Real hypotenuse(Real x, Real y);
Real fullAngle(Real x, Real y);
// Inline: the drawings and plot readers convert once a point.
inline constexpr Real toDegrees(Real rad) { return rad * 180 / kPi; }
inline constexpr Real toRadians(Real deg) { return deg * kPi / 180; }
void rotatePoint(Real angle_rad, Real& x, Real& y);
bool nearlyEqual(Real a, Real b);
int clampInt(int v, int lo, int hi);

}  // namespace vx11
