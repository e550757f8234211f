// The key search: every row of the key table in both series, with one and with two keys, rated for
// the connection's diameter, loads, materials and factors on a scratch copy, and ranked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/calc_context.h"
#include "calc/connection_record.h"
#include "calc/permissible_torques.h"
#include "base/format_settings.h"

namespace vx11 {

// One row of the key table with its record number.
struct KeyTableRow {
  int record = 0;
  KeyRow key;
};

// Every row of "din6888" in physical order, without the rows marked as deleted. Empty (with
// `cancelled` set by the table layer) when the table cannot be opened.
std::optional<std::vector<KeyTableRow>> read_key_table(CalcContext& ctx);

// One key, series and count, rated.
struct KeyVariant {
  int row = 0;  // record number in the key table
  KeyRow key;
  int series = 1;  // 1 = A, 2 = B
  int key_count = 1;
  bool fatal = false;
  LimitingPart min_seq;
  LimitingPart min_smax;
  bool meets_targets = false;
  // The rating's messages (code page 850) but for the safety errors, which min_seq and min_smax
  // show: the range and tau warnings, a stop, and whatever else the run reported.
  std::vector<std::string> messages;
};

// All variants of `rows`, each rated on a scratch copy of `design` with the key row as read (the
// table is not opened again, and `design` is not touched), ranked: those without a stop that meet both targets first, smallest key
// first (by b, then h, one key before two, series A before B); then the others that ran through,
// then the stopped ones, each group in the same size order.
std::vector<KeyVariant> search_keys(const ConnectionRecord& design, const std::vector<KeyTableRow>& rows,
                                    const FormatSettings& format, const DesignTargets& targets);

// The first variant when it meets the targets; null when none does.
const KeyVariant* key_proposal(const std::vector<KeyVariant>& ranked);

// "5 x 6.5": the key's size in the compact number format of the messages.
std::string key_size_text(const FormatSettings& format, const KeyRow& key);
// "A" or "B".
const char* series_letter(int series);

}  // namespace vx11
