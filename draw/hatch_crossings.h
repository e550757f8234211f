// The crossings of one hatch line y = m·x + c with a closed contour, and the spans between them.
#pragma once

#include <vector>

#include "calc/connection_record.h"
#include "base/message_list.h"

namespace vx11 {

struct HatchPointXY {
  Real x = 0;
  Real y = 0;
  bool operator==(const HatchPointXY&) const = default;
};

struct HatchSpan {
  HatchPointXY from;
  HatchPointXY to;
};

enum class HatchLineResult { Ok, TooManyCrossings };

// Collects the crossings of the line with every segment contour[k-1]..contour[k] (k = 1..n-1; the
// caller closes the contour). Comparisons are strict, so a line through a contour point is counted by
// neither of its segments. Sorted along the line from the crossing with the smallest x, every other
// gap is a span (1st-2nd, 3rd-4th, ...). An eleventh crossing adds "Fatal  : schraff schnittp" and gives
// TooManyCrossings and no spans; the hatching then stops and sets the abort flag.
HatchLineResult hatchLineSpans(const std::vector<HatchPointXY>& contour, Real m, Real c,
                               std::vector<HatchSpan>& spans, MessageList& messages);

}  // namespace vx11
