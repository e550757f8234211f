#include "draw/hatch_contour.h"
#include "base/guarded_math.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vx11 {

namespace {

// More hatch lines than this on one contour means a spacing far too small for the contour;
// drawing them would only stall the program.
constexpr Real kMaxHatchLines = 100000;

}  // namespace

bool Hatching::HatchPoint(Real x, Real y) {
  if (count_ >= kMaxPoints) {
    messages_.add("Schraffurfehler");
    return false;
  }
  points_[count_++] = {x, y};
  return true;
}

bool Hatching::HatchArcPoint(Real cx, Real cy, Real r, Real angle) {
  return HatchPoint(cx + r * std::cos(angle), cy + r * std::sin(angle));
}

void Hatching::HatchArc(int n, Real cx, Real cy, Real r, Real start, Real end) {
  if (n < 1) {
    HatchArcPoint(cx, cy, r, start);
    return;
  }
  const Real step = (end - start) / n;
  for (int i = 0; i <= n; ++i) HatchArcPoint(cx, cy, r, i == n ? end : start + i * step);
}

void Hatching::Hatch(int n, Real angle, Real spacing) {
  if (n > kMaxPoints) {
    messages_.add("Fatal  : n schraff !");
    return;
  }
  // Points past the collected ones hold nothing meaningful.
  if (n <= 0 || n > count_) n = count_;
  if (n == 0) return;

  std::vector<HatchPointXY> contour(points_.begin(), points_.begin() + n);
  if (!(contour.front() == contour.back())) contour.push_back(contour.front());

  const Real alpha = toRadians(angle);
  const Real m = std::tan(alpha);

  if (mode_ == 1) out_.selectPen(kOutlinePen);
  if (mode_ == 0 || mode_ == 1) {
    out_.moveTo(contour.front().x, contour.front().y);
    for (std::size_t k = 1; k < contour.size(); ++k) out_.lineTo(contour[k].x, contour[k].y);
  }

  Real cmin = 1e30L;
  Real cmax = -1e30L;
  for (const HatchPointXY& p : contour) {
    const Real c = p.y - m * p.x;
    cmin = std::min(cmin, c);
    cmax = std::max(cmax, c);
  }

  if (angle == 0) return;
  // The step is taken as a distance: a negative cosine (angles beyond 90°) must not turn the
  // sweep away from cmax.
  const Real step = spacing != 0 ? std::fabs(spacing / std::cos(alpha)) : (cmax - cmin) * 0.1L;
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(cmax - cmin)) return;
  if ((cmax - cmin) / step > kMaxHatchLines) {
    messages_.add("Schraffurfehler");
    return;
  }
  if (mode_ == 1 || mode_ == 2) out_.selectPen(kHatchPen);

  std::vector<HatchSpan> spans;
  Real c = cmin;
  do {
    c += step;
    if (hatchLineSpans(contour, m, c, spans, messages_) != HatchLineResult::Ok) {
      cancelled_ = true;
      return;
    }
    for (const HatchSpan& s : spans) out_.line(s.from.x, s.from.y, s.to.x, s.to.y);
  } while (c < cmax);
}

void Hatching::HatchRect(Real x1, Real y1, Real x2, Real y2, Real spacing, Real angle) {
  if (spacing == 0) spacing = std::round(0.2L * std::max(std::fabs(x2 - x1), std::fabs(y2 - y1)));
  HatchReset();
  HatchPoint(x1, y1);
  HatchPoint(x2, y1);
  HatchPoint(x2, y2);
  HatchPoint(x1, y2);
  Hatch(4, angle, spacing);
}

}  // namespace vx11
