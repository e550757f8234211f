// The grids of the design aid: the ranked keys and the diameter sweep. Numbers sort as numbers; each
// key row remembers the variant it shows, whatever order the person sorts it into.
#pragma once

#include <vector>

#include "calc/diameter_sweep.h"
#include "calc/key_search.h"
#include "base/format_settings.h"

class QTableWidget;
class QWidget;

namespace vx11 {

QTableWidget* key_search_grid(QWidget* parent);
// One row per variant in ranked order; rows that meet the targets are tinted, stopped ones grey.
void fill_key_search_grid(QTableWidget* grid, const std::vector<KeyVariant>& ranked, const FormatSettings& format);
// The index into the ranked variants that grid row `row` shows; -1 for none.
int variant_of_row(const QTableWidget* grid, int row);
// The grid row showing variant `index`; -1 when it is not there.
int row_of_variant(const QTableWidget* grid, int index);

QTableWidget* sweep_grid(QWidget* parent);
void fill_sweep_grid(QTableWidget* grid, const std::vector<SweepStep>& steps, const FormatSettings& format);

}  // namespace vx11
