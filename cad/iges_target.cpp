#include "cad/iges_target.h"

#include <algorithm>
#include <cmath>

#include "base/guarded_math.h"

namespace vx11 {

void IgesTarget::header(Real, Real, Real x2, Real y2) { iges_.header(file_name_, std::max(x2, y2), clock_()); }

void IgesTarget::arc(Real x, Real y, Real a1, Real a2, Real r) {
  // The file's arcs run from a start point to an end point.
  iges_.arc(x, y, x + r * std::cos(toRadians(a1)), y + r * std::sin(toRadians(a1)), x + r * std::cos(toRadians(a2)),
            y + r * std::sin(toRadians(a2)));
}

bool IgesTarget::blockStart(std::string_view name) {
  iges_.blockStart(name);
  return true;
}

}  // namespace vx11
