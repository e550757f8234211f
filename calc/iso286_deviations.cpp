#include "calc/iso286_deviations.h"

#include <algorithm>

namespace vx11::iso286 {

namespace {

constexpr std::int64_t kPerTenth = kSubunitsPerMicrometre / 10;
constexpr int kRangeUpTo3 = 0;
constexpr int kRangeUpTo500 = kDeltaRangeCount - 1;
constexpr int kRange250To315 = 10;

template <std::size_t N>
int range_index(const std::array<std::int16_t, N>& upper_bounds, long key) {
  const auto it = std::upper_bound(upper_bounds.begin(), upper_bounds.end(), key,
                                   [](long k, std::int16_t bound) { return k < bound; });
  return it == upper_bounds.end() ? -1 : static_cast<int>(it - upper_bounds.begin());
}

std::optional<std::int64_t> micrometres(std::int16_t value) {
  if (value == kUndefined) return std::nullopt;
  return std::int64_t{value} * kSubunitsPerMicrometre;
}

// Fundamental deviation of a shaft column at the size, in subunits.
std::optional<std::int64_t> shaft_value(const DeviationColumn& column, const RangeIndices& ranges) {
  return micrometres(column.values[ranges[static_cast<int>(column.breakdown)]]);
}

// The j column of a grade: j5 and j6 share one, j7 and j8 have their own; other grades have none.
const std::int16_t* shaft_j_column(int grade) {
  if (grade == 5 || grade == 6) return kShaftColumns[kPosJ].values;
  if (grade == 7) return kShaftJ7.data();
  if (grade == 8) return kShaftJ8.data();
  return nullptr;
}

const std::int16_t* hole_j_column(int grade) {
  if (grade == 6) return kHoleJ6.data();
  if (grade == 7) return kHoleJ7.data();
  if (grade == 8) return kHoleJ8.data();
  return nullptr;
}

// Delta of a hole grade: 0 up to 3 mm and above 500 mm (where it is not applied); tabulated for
// IT3..IT8 in between. IT1 and IT2 have no delta there, so those classes are not defined.
std::optional<std::int64_t> delta(int grade, int main_range) {
  if (main_range == kRangeUpTo3 || main_range > kRangeUpTo500) return 0;
  const int column = grade - kDeltaFirstGrade;
  if (column < 0 || column >= kDeltaGradeCount) return std::nullopt;
  return std::int64_t{kDelta[main_range][column]} * kPerTenth;
}

std::optional<Deviations> shaft_deviations(int position, int grade, const RangeIndices& ranges,
                                           std::int64_t it) {
  const int main = ranges[0];
  if (position <= kPosH) {  // a..h: es tabulated
    const auto es = shaft_value(kShaftColumns[position], ranges);
    if (!es) return std::nullopt;
    return Deviations{*es - it, *es};
  }
  std::optional<std::int64_t> ei;
  if (position == kPosJ) {
    const std::int16_t* column = shaft_j_column(grade);
    if (column == nullptr) return std::nullopt;
    ei = micrometres(column[main]);
  } else if (position == kPosK) {
    // The tabulated k column holds for k4..k7; every other grade starts at 0.
    ei = (grade >= 4 && grade <= 7) ? shaft_value(kShaftColumns[kPosK], ranges) : 0;
  } else {
    ei = shaft_value(kShaftColumns[position], ranges);
  }
  if (!ei) return std::nullopt;
  return Deviations{*ei, *ei + it};
}

// Upper deviation ES of the holes J..ZC.
std::optional<std::int64_t> hole_upper(int position, int grade, const RangeIndices& ranges) {
  const int main = ranges[0];
  if (position == kPosJ) {
    const std::int16_t* column = hole_j_column(grade);
    if (column == nullptr) return std::nullopt;
    return micrometres(column[main]);
  }
  const auto shaft_ei = shaft_value(kShaftColumns[position], ranges);
  if (!shaft_ei) return std::nullopt;
  const std::int64_t base = -*shaft_ei;
  const int last_delta_grade = position <= kPosN ? 8 : 7;  // K, M, N up to IT8; P..ZC up to IT7
  if (grade <= last_delta_grade) {
    if (position == kPosM && grade == 6 && main == kRange250To315) {
      return -9 * kSubunitsPerMicrometre;  // the standard's exception to the delta rule
    }
    const auto d = delta(grade, main);
    if (!d) return std::nullopt;
    return base + *d;
  }
  if (position == kPosK) {  // K above IT8 exists only up to 3 mm
    if (main != kRangeUpTo3) return std::nullopt;
    return 0;
  }
  if (position == kPosN && main != kRangeUpTo3 && main <= kRangeUpTo500) return 0;
  return base;
}

}  // namespace

std::optional<RangeIndices> range_indices(long size_key) {
  const RangeIndices r{range_index(kMainUpperBounds, size_key), range_index(kIntermediateIUpperBounds, size_key),
                       range_index(kIntermediateIIUpperBounds, size_key)};
  if (size_key < 0 || r[0] < 0 || r[1] < 0 || r[2] < 0) return std::nullopt;
  return r;
}

std::int64_t standard_tolerance(int grade, int main_range) {
  return std::int64_t{kStandardTolerance[main_range][grade - 1]} * kPerTenth;
}

std::optional<Deviations> deviations(int position, bool hole, int grade, const RangeIndices& ranges) {
  if (position < 0 || position >= kPositionCount || grade < 1 || grade > kGradeCount) return std::nullopt;
  const std::int64_t it = standard_tolerance(grade, ranges[0]);
  if (position == kPosJs) return Deviations{-it / 2, it / 2};  // IT in subunits is always even
  if (!hole) return shaft_deviations(position, grade, ranges, it);
  if (position <= kPosH) {  // A..H mirror the shaft's es
    const auto es = shaft_value(kShaftColumns[position], ranges);
    if (!es) return std::nullopt;
    return Deviations{-*es, -*es + it};
  }
  const auto es = hole_upper(position, grade, ranges);
  if (!es) return std::nullopt;
  return Deviations{*es - it, *es};
}

}  // namespace vx11::iso286
