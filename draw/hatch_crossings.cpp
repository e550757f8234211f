#include "draw/hatch_crossings.h"

#include <algorithm>
#include <cmath>

#include "draw/hatch_sort.h"

namespace vx11 {

namespace {

constexpr Real kVerticalTolerance = 0.000001L;

bool strictlyBetween(Real v, Real a, Real b) { return std::min(a, b) < v && v < std::max(a, b); }

}  // namespace

HatchLineResult hatchLineSpans(const std::vector<HatchPointXY>& contour, Real m, Real c,
                               std::vector<HatchSpan>& spans, MessageList& messages) {
  spans.clear();
  std::array<HatchPointXY, kHatchMaxCrossings> cross{};
  int count = 0;
  for (std::size_t k = 1; k < contour.size(); ++k) {
    const HatchPointXY& a = contour[k - 1];
    const HatchPointXY& b = contour[k];
    HatchPointXY p;
    if (std::fabs(b.x - a.x) < kVerticalTolerance) {
      p.x = a.x;
      p.y = m * p.x + c;
      if (!strictlyBetween(p.y, a.y, b.y)) continue;
    } else {
      const Real ms = (b.y - a.y) / (b.x - a.x);
      const Real cs = a.y - ms * a.x;
      if (ms == m) continue;
      p.x = (cs - c) / (m - ms);
      p.y = ms * p.x + cs;
      if (!strictlyBetween(p.x, a.x, b.x)) continue;
    }
    if (count == kHatchMaxCrossings) {
      messages.add("Fatal  : schraff schnittp");
      return HatchLineResult::TooManyCrossings;
    }
    cross[count++] = p;
  }
  if (count < 2) return HatchLineResult::Ok;

  const HatchPointXY ref =
      *std::min_element(cross.begin(), cross.begin() + count,
                        [](const HatchPointXY& l, const HatchPointXY& r) { return l.x < r.x; });
  HatchKeys keys{};
  for (int i = 0; i < count; ++i)
    keys[i] = hatchKey(std::hypot(cross[i].x - ref.x, cross[i].y - ref.y));
  HatchIndex order{};
  if (!QSORT2(keys, order, count, messages)) return HatchLineResult::TooManyCrossings;
  for (int i = 0; i + 1 < count; i += 2) spans.push_back({cross[order[i]], cross[order[i + 1]]});
  return HatchLineResult::Ok;
}

}  // namespace vx11
