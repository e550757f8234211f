// Shared records and helpers of the rating tests.
#pragma once

#include <string>
#include <vector>

#include "calc/connection_record.h"
#include "base/message_list.h"

namespace vx11::test {

// The documented example: d = 20, TN = 60, Tmax = 90, key 5 x 6.5 x 16, series A, shaft, hub and key
// with Re 355, 230, 340 and fS 1.2, 2.0, 1.0.
ConnectionRecord worked_example();
inline constexpr Real kExampleDeviation = -0.036L;  // h9 at 6.5 mm

// A small key (1 x 1.4 x 4) that stays sound on shafts down to about half a millimetre.
ConnectionRecord small_key_example();

// Every field the rating writes, in a fixed order, for before/after comparisons.
std::vector<Real> rating_results(const ConnectionRecord& rec);

std::vector<std::string> texts(const MessageList& messages);

}  // namespace vx11::test
