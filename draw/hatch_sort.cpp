#include "draw/hatch_sort.h"

#include <cmath>
#include <utility>

namespace vx11 {

Real hatchKey(Real x) {
  if (x == 0 || !std::isfinite(x)) return x;
  int e = 0;
  const Real m = std::frexp(x, &e);
  return std::ldexp(std::round(std::ldexp(m, 40)), e - 40);
}

namespace {

// Quicksort with the middle element as pivot (Hoare partition).
void sortRange(HatchKeys& keys, HatchIndex& index, int lo, int hi) {
  int i = lo;
  int j = hi;
  const Real pivot = keys[(lo + hi) / 2];
  while (i <= j) {
    while (keys[i] < pivot) ++i;
    while (pivot < keys[j]) --j;
    if (i <= j) {
      std::swap(keys[i], keys[j]);
      std::swap(index[i], index[j]);
      ++i;
      --j;
    }
  }
  if (lo < j) sortRange(keys, index, lo, j);
  if (i < hi) sortRange(keys, index, i, hi);
}

}  // namespace

bool QSORT2(HatchKeys& keys, HatchIndex& index, int n, MessageList& messages) {
  if (n > kHatchMaxCrossings) {
    messages.add("Fatal  : QSORT2 error");
    return false;
  }
  for (int k = 0; k < kHatchMaxCrossings; ++k) index[k] = k;
  if (n > 1) sortRange(keys, index, 0, n - 1);
  return true;
}

}  // namespace vx11
