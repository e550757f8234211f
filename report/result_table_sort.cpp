#include "report/result_table_sort.h"

#include <string>
#include <utility>

namespace vx11 {

namespace {

struct SortEntry {
  const std::string* text;
  std::size_t row;
};

// Hoare partition around the middle element (the pivot's text stays put: only pointers move). The smaller part is sorted by recursion, the larger one
// by the loop, so a hostile order cannot exhaust the stack; the parts are disjoint, so the order of
// processing them does not change the result.
void quicksort(std::vector<SortEntry>& list, std::ptrdiff_t left, std::ptrdiff_t right) {
  while (left < right) {
    std::ptrdiff_t i = left;
    std::ptrdiff_t j = right;
    const std::string& pivot = *list[static_cast<std::size_t>((left + right) / 2)].text;
    do {
      while (list[static_cast<std::size_t>(i)].text->compare(pivot) < 0) ++i;
      while (list[static_cast<std::size_t>(j)].text->compare(pivot) > 0) --j;
      if (i <= j) {
        std::swap(list[static_cast<std::size_t>(i)], list[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - left < right - i) {
      if (left < j) quicksort(list, left, j);
      left = i;
    } else {
      if (i < right) quicksort(list, i, right);
      right = j;
    }
  }
}

}  // namespace

void sort_result_rows(std::vector<ResultRow>& rows, int column) {
  if (column < 0 || column >= kResultTableColumns || rows.size() < 3) return;
  std::vector<SortEntry> list;
  list.reserve(rows.size() - 1);
  for (std::size_t r = 1; r < rows.size(); ++r) list.push_back({&rows[r][static_cast<std::size_t>(column)], r});
  quicksort(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1);
  std::vector<ResultRow> sorted;
  sorted.reserve(rows.size());
  sorted.push_back(std::move(rows[0]));
  for (const SortEntry& e : list) sorted.push_back(std::move(rows[e.row]));
  rows = std::move(sorted);
}

}  // namespace vx11
