#include "calc/key_search.h"

#include <algorithm>
#include <tuple>

#include "calc/key_table.h"
#include "calc/rating.h"
#include "calc/table_object.h"
#include "base/format.h"

namespace vx11 {

namespace {

// The safety errors of the rating; the variant's least safeties say the same.
bool is_safety_error(const std::string& text) {
  return text.starts_with("Fehler : Seq<1 (") || text.starts_with("Fehler : Smax<1 (");
}

// The variant rated on `scratch`, a copy of the design holding the row already, which the search
// reuses: every run writes what it reports, and a stopped run is read no further. `h9_lower_mm` is
// the row's key height deviation, looked up once for its four variants.
KeyVariant rated_variant(ConnectionRecord& scratch, const KeyTableRow& row, Real h9_lower_mm, int series,
                         int key_count, const FormatSettings& format, const DesignTargets& targets) {
  MessageList messages;
  scratch.key_series = static_cast<std::int16_t>(series);
  scratch.key_count = static_cast<std::int16_t>(key_count);
  scratch.cancelled = false;
  if (begin_rating(scratch, messages)) compute_rating(scratch, messages, format, h9_lower_mm);
  KeyVariant v;
  v.row = row.record;
  v.key = row.key;
  v.series = series;
  v.key_count = key_count;
  v.fatal = scratch.fatal_error;
  if (!v.fatal) {
    v.min_seq = least_safety(scratch.safety_seq);
    v.min_smax = least_safety(scratch.safety_smax);
    v.meets_targets = v.min_seq.value >= targets.seq && v.min_smax.value >= targets.smax;
  }
  for (int n = 1; n <= messages.count(); ++n)
    if (!is_safety_error(messages.entry(n))) v.messages.push_back(messages.entry(n));
  return v;
}

// 0: meets the targets, 1: ran through without meeting them, 2: stopped.
int rank_group(const KeyVariant& v) { return v.meets_targets ? 0 : v.fatal ? 2 : 1; }

bool ranks_before(const KeyVariant& a, const KeyVariant& b) {
  return std::forward_as_tuple(rank_group(a), a.key.key_width_b, a.key.key_height_h, a.key_count, a.series, a.row) <
         std::forward_as_tuple(rank_group(b), b.key.key_width_b, b.key.key_height_h, b.key_count, b.series, b.row);
}

}  // namespace

std::optional<std::vector<KeyTableRow>> read_key_table(CalcContext& ctx) {
  TableObject& t = ctx.tables;
  if (!t.open_table(ctx, "din6888")) return std::nullopt;
  std::vector<KeyTableRow> rows;
  rows.reserve(static_cast<std::size_t>(t.record_count()));
  for (int n = 1; n <= t.record_count(); ++n) {
    if (t.is_deleted(n)) continue;
    t.go_to_record(ctx, n);
    rows.push_back({n, read_key_row(t)});
  }
  t.close_table();
  return rows;
}

std::vector<KeyVariant> search_keys(const ConnectionRecord& design, const std::vector<KeyTableRow>& rows,
                                    const FormatSettings& format, const DesignTargets& targets) {
  std::vector<KeyVariant> variants;
  variants.reserve(rows.size() * 4);
  ConnectionRecord scratch = design;
  for (const KeyTableRow& row : rows) {
    scratch.key_row = row.key;
    scratch.key_row_number = row.record;
    const Real h9_lower = key_height_deviation(scratch);
    for (int series : {1, 2})
      for (int count : {1, 2})
        variants.push_back(rated_variant(scratch, row, h9_lower, series, count, format, targets));
  }
  std::sort(variants.begin(), variants.end(), ranks_before);
  return variants;
}

const KeyVariant* key_proposal(const std::vector<KeyVariant>& ranked) {
  return !ranked.empty() && ranked.front().meets_targets ? &ranked.front() : nullptr;
}

std::string key_size_text(const FormatSettings& format, const KeyRow& key) {
  return fmtSig(format, key.key_width_b) + " x " + fmtSig(format, key.key_height_h);
}

const char* series_letter(int series) { return series == 2 ? "B" : "A"; }

}  // namespace vx11
