// Sorting the result table's rows by the texts of one column.
#pragma once

#include <vector>

#include "report/result_table_columns.h"

namespace vx11 {

// Sorts rows 1..n (row 0 holds the heads) ascending by the byte-wise order of column `column`, with
// the quicksort of the grid (Hoare partition around the middle element). Rows with equal texts come
// out in that algorithm's order, which is not the order of arrival. A column outside 0..20 does nothing.
void sort_result_rows(std::vector<ResultRow>& rows, int column);

}  // namespace vx11
