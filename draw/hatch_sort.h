// QSORT2: the ascending sort of the crossing keys of one hatch line, carrying an index list along.
#pragma once

#include <array>

#include "calc/connection_record.h"
#include "base/message_list.h"

namespace vx11 {

inline constexpr int kHatchMaxCrossings = 10;

using HatchKeys = std::array<Real, kHatchMaxCrossings>;
using HatchIndex = std::array<int, kHatchMaxCrossings>;

// Keys are kept at the precision of a 6-byte real (40-bit mantissa, about 11 significant digits),
// so crossings that differ only in the last bits of an extended real count as equal.
Real hatchKey(Real x);

// Sets `index` to 0..9, then sorts keys[0..n) ascending and moves the index entries with them.
// n above 10 adds "Fatal  : QSORT2 error" and returns false; the caller stops its chain.
bool QSORT2(HatchKeys& keys, HatchIndex& index, int n, MessageList& messages);

}  // namespace vx11
