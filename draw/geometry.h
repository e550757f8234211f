// Plane geometry of the drawing output: the arc through two points and the placement of block contents.
#pragma once

#include "calc/connection_record.h"
#include "base/format_settings.h"
#include "base/message_list.h"

namespace vx11 {

struct ArcGeometry {
  Real xm = 0, ym = 0, r = 0;
  Real phi1 = 0, phi2 = 0;  // radians; the arc runs counter-clockwise from phi1 to phi2
};

// The arc from (x1, y1) to (x2, y2) with included angle dphi (radians, positive counter-clockwise).
// Returns false, with a message, when dphi gives no arc; the result is then untouched.
bool GetArcCenter(MessageList& messages, const FormatSettings& format, Real x1, Real y1, Real x2, Real y2,
                  Real dphi, ArcGeometry& arc);

struct PlacedPoint {
  Real x = 0, y = 0;
};

// Scales by (sx, sy), rotates by theta degrees and moves to (ix, iy).
PlacedPoint PlacePoint(Real x, Real y, Real theta_deg, Real ix, Real iy, Real sx, Real sy);

// Angle of the direction (dx, dy), in -pi/2 .. 3pi/2.
Real PolarAngle(Real dx, Real dy);

}  // namespace vx11
