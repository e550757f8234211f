// Arc through two points and the placement of block contents.
#include <cmath>

#include "draw/geometry.h"
#include "base/guarded_math.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

TEST(GetArcCenter, CentreRadiusAndAngles) {
  struct Case {
    const char* name;
    Real x1, y1, x2, y2, dphi;
    Real xm, ym, r, phi1, phi2;
  } cases[] = {
      {"half circle", 0, 0, 10, 0, kPi, 5, 0, 5, kPi, 0},
      {"quarter", 0, 0, 10, 0, kPi / 2, 5, 5, 5 * std::sqrt(2.0L), 5 * kPi / 4, 7 * kPi / 4},
      {"clockwise quarter", 0, 0, 10, 0, -kPi / 2, 5, -5, 5 * std::sqrt(2.0L), kPi / 4, 3 * kPi / 4},
  };
  for (const auto& c : cases) {
    MessageList m;
    FormatSettings f;
    ArcGeometry a;
    ASSERT_TRUE(GetArcCenter(m, f, c.x1, c.y1, c.x2, c.y2, c.dphi, a)) << c.name;
    EXPECT_NEAR(static_cast<double>(a.xm), static_cast<double>(c.xm), 1e-12) << c.name;
    EXPECT_NEAR(static_cast<double>(a.ym), static_cast<double>(c.ym), 1e-12) << c.name;
    EXPECT_NEAR(static_cast<double>(a.r), static_cast<double>(c.r), 1e-12) << c.name;
    EXPECT_NEAR(static_cast<double>(a.phi1), static_cast<double>(c.phi1), 1e-12) << c.name;
    EXPECT_NEAR(static_cast<double>(a.phi2), static_cast<double>(c.phi2), 1e-12) << c.name;
    EXPECT_EQ(m.count(), 0) << c.name;
  }
}

TEST(GetArcCenter, NoArcForZeroAngleOrCoincidentPoints) {
  MessageList m;
  FormatSettings f;
  ArcGeometry a;
  a.r = 42;
  EXPECT_FALSE(GetArcCenter(m, f, 0, 0, 10, 0, 0, a));
  EXPECT_EQ(a.r, 42);  // untouched
  ASSERT_EQ(m.count(), 1);
  EXPECT_EQ(m.entry(1), "Fehler in GetArcCenter (dphi = 0 ! ");
  EXPECT_FALSE(GetArcCenter(m, f, 0, 0, 10, 0, 2 * kPi, a));
  EXPECT_TRUE(GetArcCenter(m, f, 3, 4, 3, 4, kPi / 2, a));
  EXPECT_EQ(m.entry(m.count()), "GetArcCenter l12=0");
  EXPECT_EQ(a.xm, 3);
}

TEST(PlacePoint, ScaleRotateMove) {
  struct Case {
    const char* name;
    Real x, y, theta, ix, iy, sx, sy, px, py;
  } cases[] = {{"rotated and scaled", 1, 0, 90, 10, 10, 2, 3, 10, 12},
               {"identity", 3, 4, 0, 0, 0, 1, 1, 3, 4},
               {"y scale and half turn", 0, 1, 180, 5, 5, 1, 2, 5, 3}};
  for (const auto& c : cases) {
    const PlacedPoint p = PlacePoint(c.x, c.y, c.theta, c.ix, c.iy, c.sx, c.sy);
    EXPECT_NEAR(static_cast<double>(p.x), static_cast<double>(c.px), 1e-12) << c.name;
    EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(c.py), 1e-12) << c.name;
  }
}

TEST(PolarAngle, FullRangeFromMinusHalfToThreeHalvesPi) {
  EXPECT_EQ(PolarAngle(0, 0), kPi / 2);
  EXPECT_EQ(PolarAngle(0, -1), -kPi / 2);
  EXPECT_NEAR(static_cast<double>(PolarAngle(-1, -1)), static_cast<double>(5 * kPi / 4), 1e-15);
  EXPECT_NEAR(static_cast<double>(PolarAngle(1, -1)), static_cast<double>(-kPi / 4), 1e-15);
}

}  // namespace
}  // namespace vx11::test
