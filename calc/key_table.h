// The DIN 6888 key table "din6888" and the preferred shaft diameters "dwelle".
#pragma once

#include <functional>

#include "calc/calc_context.h"
#include "base/help_numbers.h"

namespace vx11 {

class TableObject;

// Shows the key table in b*100+h order; after OK the current row becomes the chosen key.
// mode 1: selection, 0: editing from the table menu.
void select_key_size(CalcContext& ctx, int mode);
// The current row of the open key table, fields 1 to 12.
KeyRow read_key_row(const TableObject& t);
// The key table from the table menu (editing mode). After OK the row the editor stands on becomes
// the chosen key when it has the key's size, or when `take_other` agrees to the other size. A key
// that stays is looked up again by its size and shaft range: packing may have renumbered its row.
// Returns whether the chosen key or its record number changed.
using KeyChangeQuestion = std::function<bool(const KeyRow& current, const KeyRow& other)>;
bool edit_key_table(CalcContext& ctx, const KeyChangeQuestion& take_other);
// Re-reads row key_row_number into key_row (nothing when it is 0).
void refresh_key_row(CalcContext& ctx);
// The diameter of the series row at or above d (the largest diameter beyond the series);
// mode 1 lets the person confirm or pick another. 0 when the table is missing or cancelled.
Real round_to_shaft_series(CalcContext& ctx, int mode, Real d);
// Shows "dwelle"; after OK in mode 1 the row goes into the shaft-series buffer.
void show_shaft_series(CalcContext& ctx, int mode);

}  // namespace vx11
