// Limit deviations of one tolerance class from the ISO 286 tables, without designation parsing or messages.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "calc/iso286_tables.h"

namespace vx11::iso286 {

// Deviations are computed exactly in twentieths of a micrometre (half of IT1 = 0.8 µm is 0.4 µm).
inline constexpr int kSubunitsPerMicrometre = 20;

// Range index of a size key in each breakdown (main, intermediate I, intermediate II).
using RangeIndices = std::array<int, 3>;

// The range of each breakdown that holds the size key k (a range "over a up to b" holds a <= k < b);
// none when k lies beyond the last range.
std::optional<RangeIndices> range_indices(long size_key);

struct Deviations {
  std::int64_t lower = 0;  // twentieths of a micrometre
  std::int64_t upper = 0;
};

// position: 0..27 in list order "a".."zc"; hole: the upper-case position; grade 1..18.
// None where the tables do not define the class (empty cell, grade without a column).
std::optional<Deviations> deviations(int position, bool hole, int grade, const RangeIndices& ranges);

// IT of the grade (1..18) in a main range, in twentieths of a micrometre.
std::int64_t standard_tolerance(int grade, int main_range);

}  // namespace vx11::iso286
