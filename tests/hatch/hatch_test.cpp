#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "draw/hatch_contour.h"
#include "draw/hatch_crossings.h"
#include "draw/hatch_sort.h"

namespace vx11 {
namespace {

struct Line {
  Real x1, y1, x2, y2;
  int pen;
};

// Records what hatching draws, with the pen each element was drawn in.
class RecordingOutput : public HatchOutput {
 public:
  void selectPen(int pen) override {
    this->pen = pen;
    pens.push_back(pen);
  }
  void moveTo(Real x, Real y) override { outline.push_back({{x, y}}); }
  void lineTo(Real x, Real y) override { outline.back().push_back({x, y}); }
  void line(Real x1, Real y1, Real x2, Real y2) override { lines.push_back({x1, y1, x2, y2, pen}); }

  int pen = 0;
  std::vector<int> pens;
  std::vector<std::vector<HatchPointXY>> outline;
  std::vector<Line> lines;
};

struct HatchFixture : ::testing::Test {
  RecordingOutput out;
  MessageList messages;
  bool cancelled = false;
  Hatching hatch{out, messages, cancelled};

  void square(Real size) {
    hatch.HatchPoint(0, 0);
    hatch.HatchPoint(size, 0);
    hatch.HatchPoint(size, size);
    hatch.HatchPoint(0, size);
  }
};

// Even-odd rule for a test point against a closed polygon.
bool inside(const std::vector<HatchPointXY>& poly, Real x, Real y) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    if ((poly[i].y > y) != (poly[j].y > y) &&
        x < (poly[j].x - poly[i].x) * (y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
      in = !in;
  }
  return in;
}

TEST_F(HatchFixture, SquareAt45DegreesWithSpacing2) {
  square(10);
  hatch.Hatch(0, 45, 2);
  // c = y - x runs from -10 to 10; lines at -10 + k·2/cos 45° below 10: k = 1..7.
  ASSERT_EQ(out.lines.size(), 7u);
  const Real dc = 2 / std::cos(std::numbers::pi_v<Real> / 4);
  for (std::size_t k = 0; k < out.lines.size(); ++k) {
    const Line& l = out.lines[k];
    const Real c = -10 + (k + 1) * dc;
    SCOPED_TRACE(k);
    EXPECT_NEAR(static_cast<double>(l.y1 - l.x1), static_cast<double>(c), 1e-9);
    EXPECT_NEAR(static_cast<double>(l.y2 - l.x2), static_cast<double>(c), 1e-9);
    // Each end lies on a side of the square.
    for (Real v : {l.x1, l.y1, l.x2, l.y2}) {
      EXPECT_GE(v, -1e-9L);
      EXPECT_LE(v, 10 + 1e-9L);
    }
    // Perpendicular distance between neighbouring lines is the spacing.
    if (k > 0) {
      const Real d = ((l.y1 - l.x1) - (out.lines[k - 1].y1 - out.lines[k - 1].x1)) / std::sqrt(2.0L);
      EXPECT_NEAR(static_cast<double>(d), 2.0, 1e-9);
    }
  }
  // Mode 0: the outline is drawn closed through the four corners and back, no pen changes.
  ASSERT_EQ(out.outline.size(), 1u);
  EXPECT_EQ(out.outline[0].size(), 5u);
  EXPECT_TRUE(out.pens.empty());
  EXPECT_EQ(messages.count(), 0);
}

TEST_F(HatchFixture, ModesChoosePensAndOutline) {
  struct Case {
    const char* name;
    int mode;
    std::vector<int> pens;
    std::size_t outlines;
  };
  for (const Case& k : {Case{"mode 0", 0, {}, 1}, Case{"mode 1", 1, {5, 3}, 1}, Case{"mode 2", 2, {3}, 0}}) {
    SCOPED_TRACE(k.name);
    out = RecordingOutput{};
    hatch.HatchReset();
    hatch.HatchMode(k.mode);
    square(10);
    hatch.Hatch(0, 45, 2);
    EXPECT_EQ(out.pens, k.pens);
    EXPECT_EQ(out.outline.size(), k.outlines);
    EXPECT_EQ(out.lines.size(), 7u);
  }
}

TEST_F(HatchFixture, AngleZeroDrawsOnlyTheOutline) {
  hatch.HatchMode(1);
  square(10);
  hatch.Hatch(0, 0, 2);
  EXPECT_EQ(out.outline.size(), 1u);
  EXPECT_TRUE(out.lines.empty());
  EXPECT_EQ(out.pens, std::vector<int>{5});
}

TEST_F(HatchFixture, ContourClosingAddsFirstPointOnlyWhenOpen) {
  square(10);
  hatch.Hatch(0, 45, 2);
  ASSERT_EQ(out.outline.size(), 1u);
  EXPECT_EQ(out.outline[0].back(), (HatchPointXY{0, 0}));

  out = RecordingOutput{};
  hatch.HatchPoint(0, 0);  // already closed: no fifth segment back to the start
  hatch.Hatch(0, 45, 2);
  EXPECT_EQ(out.outline[0].size(), 5u);
  EXPECT_EQ(out.lines.size(), 7u);
  EXPECT_EQ(hatch.count(), 5);
}

TEST_F(HatchFixture, NotchGivesTwoSpansOnOneLine) {
  // A U: the notch from x 3 to 7 reaches down to y 3.
  const std::vector<HatchPointXY> u{{0, 0}, {10, 0}, {10, 10}, {7, 10}, {7, 3}, {3, 3}, {3, 10}, {0, 10}};
  for (const HatchPointXY& p : u) hatch.HatchPoint(p.x, p.y);
  hatch.Hatch(0, 60, 0.5);
  ASSERT_FALSE(out.lines.empty());
  // Lines of one intercept that were split by the notch give two spans.
  int split = 0;
  const Real m = std::tan(60 * std::numbers::pi_v<Real> / 180);
  for (std::size_t i = 1; i < out.lines.size(); ++i) {
    const Real c0 = out.lines[i - 1].y1 - m * out.lines[i - 1].x1;
    const Real c1 = out.lines[i].y1 - m * out.lines[i].x1;
    if (std::fabs(c0 - c1) < 1e-9L) ++split;
  }
  EXPECT_GT(split, 0);
  // Every span stays inside the material: its midpoint is inside the U, never in the notch.
  for (const Line& l : out.lines) {
    const Real mx = (l.x1 + l.x2) / 2, my = (l.y1 + l.y2) / 2;
    EXPECT_TRUE(inside(u, mx, my)) << static_cast<double>(mx) << " " << static_cast<double>(my);
  }
}

TEST(HatchLineSpans, CornerAndEdgeCases) {
  const std::vector<HatchPointXY> sq{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  struct Case {
    const char* name;
    Real m, c;
    std::size_t spans;
  };
  for (const Case& k : {
           Case{"through two corners loses all four crossings", 1, 0, 0},
           Case{"touching one corner only", 1, 10, 0},
           Case{"plain crossing of two sides", 1, 5, 1},
           Case{"parallel to two sides", 0, 5, 1},
           Case{"outside", 1, 30, 0},
       }) {
    SCOPED_TRACE(k.name);
    MessageList messages;
    std::vector<HatchSpan> spans;
    EXPECT_EQ(hatchLineSpans(sq, k.m, k.c, spans, messages), HatchLineResult::Ok);
    EXPECT_EQ(spans.size(), k.spans);
  }
}

TEST(HatchLineSpans, SpansFollowTheLineFromTheLeft) {
  // Comb with two notches: the line y = 0.001·x + 5 crosses six vertical edges.
  const std::vector<HatchPointXY> comb{{0, 0}, {10, 0}, {10, 10}, {8, 10}, {8, 2}, {6, 2}, {6, 10},
                                       {4, 10}, {4, 2}, {2, 2}, {2, 10}, {0, 10}, {0, 0}};
  MessageList messages;
  std::vector<HatchSpan> spans;
  hatchLineSpans(comb, 0.001L, 5, spans, messages);
  ASSERT_EQ(spans.size(), 3u);
  const Real from[] = {0, 4, 8}, to[] = {2, 6, 10};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(static_cast<double>(spans[i].from.x), static_cast<double>(from[i]), 1e-12);
    EXPECT_NEAR(static_cast<double>(spans[i].to.x), static_cast<double>(to[i]), 1e-12);
  }
}

TEST_F(HatchFixture, ElevenCrossingsStopWithFatalMessage) {
  // A comb with six teeth: a low-slope line crosses twelve vertical edges.
  hatch.HatchPoint(0, 0);
  hatch.HatchPoint(12, 0);
  for (int t = 5; t >= 0; --t) {
    hatch.HatchPoint(2 * t + 2, 10);
    hatch.HatchPoint(2 * t + 1, 10);
    hatch.HatchPoint(2 * t + 1, 2);
    hatch.HatchPoint(2 * t, 2);
  }
  hatch.Hatch(0, 1, 0.5);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(messages.entry(1), "Fatal  : schraff schnittp");
  // Lines drawn before the failing one stay.
  EXPECT_FALSE(out.lines.empty());
}

TEST_F(HatchFixture, BufferLimits) {
  for (int i = 0; i < Hatching::kMaxPoints; ++i) EXPECT_TRUE(hatch.HatchPoint(i, i * i));
  EXPECT_FALSE(hatch.HatchPoint(99, 99));
  EXPECT_EQ(hatch.count(), 50);
  EXPECT_EQ(messages.entry(1), "Schraffurfehler");
  EXPECT_FALSE(cancelled);

  hatch.Hatch(51, 45, 2);
  EXPECT_EQ(messages.entry(2), "Fatal  : n schraff !");
  EXPECT_FALSE(cancelled);
  EXPECT_TRUE(out.outline.empty());
}

TEST_F(HatchFixture, FullBufferIsStillClosedForHatching) {
  // 50 points on a circle: closing needs a 51st, which is kept outside the buffer.
  hatch.HatchArc(49, 0, 0, 10, 0, 2 * std::numbers::pi_v<Real> * 49 / 50);
  ASSERT_EQ(hatch.count(), 50);
  hatch.Hatch(0, 45, 1);
  EXPECT_EQ(messages.count(), 0);
  EXPECT_EQ(out.outline[0].size(), 51u);
  for (const Line& l : out.lines) EXPECT_LE(std::hypot(l.x1, l.y1), 10 + 1e-9L);
}

TEST_F(HatchFixture, HatchArcWith25StepsAdds26Points) {
  hatch.HatchArc(25, 5, 5, 2, 0, std::numbers::pi_v<Real>);
  ASSERT_EQ(hatch.count(), 26);
  EXPECT_NEAR(static_cast<double>(hatch.point(0).x), 7, 1e-15);
  EXPECT_NEAR(static_cast<double>(hatch.point(25).x), 3, 1e-15);
  EXPECT_NEAR(static_cast<double>(hatch.point(25).y), 5, 1e-15);
  const Real step = std::numbers::pi_v<Real> / 25;
  for (int i = 0; i < 26; ++i) {
    EXPECT_NEAR(static_cast<double>(hatch.point(i).y), static_cast<double>(5 + 2 * std::sin(i * step)), 1e-15);
  }
}

TEST_F(HatchFixture, ArcOverflowReportsOnce) {
  hatch.HatchArc(60, 0, 0, 1, 0, 1);
  EXPECT_EQ(hatch.count(), 50);
  EXPECT_EQ(messages.count(), 1);
  EXPECT_EQ(messages.entry(1), "Schraffurfehler");
}

TEST_F(HatchFixture, HatchRect) {
  struct Case {
    const char* name;
    Real spacing;
    std::size_t lines;
  };
  // 20 by 10 at 45°: c runs from -20 to 10; spacing 0 becomes 0.2·20 = 4.
  for (const Case& k : {Case{"given spacing", 2, 10}, Case{"spacing 0 from the larger side", 0, 5}}) {
    SCOPED_TRACE(k.name);
    out = RecordingOutput{};
    hatch.HatchRect(0, 0, 20, 10, k.spacing, 45);
    EXPECT_EQ(hatch.count(), 4);
    EXPECT_EQ(out.lines.size(), k.lines);
  }
}

TEST_F(HatchFixture, DegenerateInputsDoNotHang) {
  struct Case {
    const char* name;
    Real angle, spacing;
    std::size_t lines;
  };
  // Angles past 90° sweep the same way; a negative spacing counts as its size.
  for (const Case& k : {Case{"obtuse angle", 135, 2, 7}, Case{"negative spacing", 45, -2, 7},
                        Case{"tiny spacing", 45, 1e-12L, 0}, Case{"straight up", 90, 2, 4}}) {
    SCOPED_TRACE(k.name);
    out = RecordingOutput{};
    hatch.HatchReset();
    square(10);
    hatch.Hatch(0, k.angle, k.spacing);
    EXPECT_EQ(out.lines.size(), k.lines);
  }
  EXPECT_EQ(messages.entry(1), "Schraffurfehler");  // from the tiny spacing only
  EXPECT_EQ(messages.count(), 1);

  // A contour without area and spacing 0: no step, nothing drawn.
  out = RecordingOutput{};
  hatch.HatchReset();
  hatch.HatchPoint(0, 0);
  hatch.HatchPoint(5, 5);
  hatch.Hatch(0, 45, 0);
  EXPECT_TRUE(out.lines.empty());
}

TEST(Qsort2, SortsKeysAndCarriesIndex) {
  MessageList messages;
  HatchKeys keys{5, 3, 9, 1, 7, 3, 0, 8, 2, 6};
  HatchIndex index{};
  ASSERT_TRUE(QSORT2(keys, index, 10, messages));
  const HatchKeys sorted{0, 1, 2, 3, 3, 5, 6, 7, 8, 9};
  EXPECT_EQ(keys, sorted);
  const HatchKeys original{5, 3, 9, 1, 7, 3, 0, 8, 2, 6};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(original[index[i]], keys[i]);

  EXPECT_FALSE(QSORT2(keys, index, 11, messages));
  EXPECT_EQ(messages.entry(1), "Fatal  : QSORT2 error");
}

TEST(Qsort2, KeysKeepSixByteRealPrecision) {
  EXPECT_EQ(hatchKey(1.0L), 1.0L);
  EXPECT_EQ(hatchKey(1.0L + 1e-15L), 1.0L);
  EXPECT_NE(hatchKey(1.0L + 1e-10L), 1.0L);
  EXPECT_EQ(hatchKey(0), 0);
}

}  // namespace
}  // namespace vx11
