// ISO 286 tables: standard tolerances, delta values and the fundamental deviations of the shaft positions.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

namespace vx11::iso286 {

// The size breakdowns; a range "over a up to b" is stored by its upper bound b in mm.
enum class Breakdown : std::uint8_t { kMain = 0, kIntermediateI = 1, kIntermediateII = 2 };

inline constexpr int kMainRangeCount = 21;
inline constexpr int kIntermediateIRangeCount = 39;
inline constexpr int kIntermediateIIRangeCount = 41;
inline constexpr int kGradeCount = 18;
inline constexpr int kPositionCount = 28;
// Delta exists for grades 3..8 and the main ranges up to 500 mm.
inline constexpr int kDeltaFirstGrade = 3;
inline constexpr int kDeltaGradeCount = 6;
inline constexpr int kDeltaRangeCount = 13;

// The tolerance positions of shafts in list order; holes use the same letters in upper case.
inline constexpr std::array<std::string_view, kPositionCount> kShaftPositions = {
    "a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "j", "js", "k",
    "m", "n", "p", "r", "s", "t", "u", "v", "x", "y", "z", "za", "zb", "zc"};
// Indices into that list where the rules change.
enum Position : int { kPosH = 10, kPosJ = 11, kPosJs = 12, kPosK = 13, kPosM = 14, kPosN = 15, kPosP = 16 };

// Marks a cell the standard leaves empty.
inline constexpr std::int16_t kUndefined = std::numeric_limits<std::int16_t>::min();

extern const std::array<std::int16_t, kMainRangeCount> kMainUpperBounds;
extern const std::array<std::int16_t, kIntermediateIRangeCount> kIntermediateIUpperBounds;
extern const std::array<std::int16_t, kIntermediateIIRangeCount> kIntermediateIIUpperBounds;

// IT1..IT18 per main range, in tenths of a micrometre.
extern const std::array<std::array<std::int32_t, kGradeCount>, kMainRangeCount> kStandardTolerance;
// Delta of the hole positions K..ZC for IT3..IT8, in tenths of a micrometre.
extern const std::array<std::array<std::int16_t, kDeltaGradeCount>, kDeltaRangeCount> kDelta;

// One fundamental deviation per range of its breakdown, in micrometres.
struct DeviationColumn {
  Breakdown breakdown;
  const std::int16_t* values;  // null for js, whose limits are +-IT/2
};

// Shaft positions "a".."zc" in list order: es for a..h, ei for j..zc. The j entry is the j5/j6
// column, the k entry the k4..k7 column (k is 0 for every other grade).
extern const std::array<DeviationColumn, kPositionCount> kShaftColumns;
// The grade-dependent columns of j (ei) and J (ES), main breakdown.
extern const std::array<std::int16_t, kMainRangeCount> kShaftJ7;
extern const std::array<std::int16_t, kMainRangeCount> kShaftJ8;
extern const std::array<std::int16_t, kMainRangeCount> kHoleJ6;
extern const std::array<std::int16_t, kMainRangeCount> kHoleJ7;
extern const std::array<std::int16_t, kMainRangeCount> kHoleJ8;

}  // namespace vx11::iso286
