#include "calc/key_table.h"

#include <algorithm>

#include "calc/table_object.h"
#include "base/format.h"
#include "base/interaction.h"
#include "base/text.h"

namespace vx11 {

namespace {

ShaftSeriesRow read_series_row(const TableObject& t) {
  return {field_real(t, 1), cut_field_text(t, 2, 20), cut_field_text(t, 3, 20)};
}

// Opens "dwelle" ordered by its diameter; false (table closed) when either step fails.
bool open_shaft_series(CalcContext& ctx) {
  TableObject& t = ctx.tables;
  t.set_titles("", "Wellendurchmesser");
  if (!t.open_table(ctx, "dwelle")) return false;
  if (!t.create_index(ctx, t.field_name(1), "dwelle")) {
    t.close_table();
    return false;
  }
  return true;
}

}  // namespace

KeyRow read_key_row(const TableObject& t) {
  KeyRow row;
  Real* numbers[] = {&row.shaft_range_min_d1,      &row.shaft_range_max_d1,      &row.key_width_b,
                     &row.key_height_h,            &row.key_diameter_d2,         &row.key_rounding_r1,
                     &row.shaft_groove_depth_t1_a, &row.shaft_groove_depth_t1_b, &row.hub_groove_depth_t2_a,
                     &row.hub_groove_depth_t2_b};
  for (int i = 0; i < 10; ++i) *numbers[i] = field_real(t, i + 1);
  row.key_row_text_1 = cut_field_text(t, 11, limits::kKeyRowText1);
  row.key_row_text_2 = cut_field_text(t, 12, limits::kKeyRowText2);
  return row;
}

namespace {

// Opens "din6888" in b*100+h order on the chosen key's row; false (table closed) when a step fails.
bool open_keys_on_chosen(CalcContext& ctx) {
  TableObject& t = ctx.tables;
  t.set_titles("", "Scheibenfedern nach DIN 6888");
  if (!t.open_table(ctx, "din6888")) return false;
  if (!t.create_index(ctx, t.field_name(3) + "*100+" + t.field_name(4), "din6888")) {
    t.close_table();
    return false;
  }
  if (ctx.rec.key_row_number != 0) t.go_to_record(ctx, ctx.rec.key_row_number);
  ctx.help_number = kHelpKeyTable;
  return true;
}

}  // namespace

void select_key_size(CalcContext& ctx, int mode) {
  if (!open_keys_on_chosen(ctx)) return;
  TableObject& t = ctx.tables;
  t.browse(ctx, mode);
  if (!ctx.rec.cancelled) {
    ctx.rec.key_row = read_key_row(t);
    ctx.rec.key_row_number = t.current_record();
  }
  t.close_table();
}

bool edit_key_table(CalcContext& ctx, const KeyChangeQuestion& take_other) {
  if (!open_keys_on_chosen(ctx)) return false;
  TableObject& t = ctx.tables;
  const KeyRow kept = ctx.rec.key_row;
  const int kept_number = ctx.rec.key_row_number;
  t.browse(ctx, 0);
  const bool confirmed = !ctx.rec.cancelled;
  ctx.rec.cancelled = false;
  const KeyRow row = read_key_row(t);
  const bool same = row.key_width_b == kept.key_width_b && row.key_height_h == kept.key_height_h;
  bool changed = false;
  if (confirmed && (same || kept.key_width_b <= 0 || take_other(kept, row))) {
    ctx.rec.key_row = row;
    ctx.rec.key_row_number = t.current_record();
    changed = ctx.rec.key_row_number != kept_number || !same;
  } else if (kept_number != 0) {
    // The key stays; when packing gave its row another number it is found by size and range.
    const auto holds_kept = [&](int r) {
      if (r < 1 || r > t.record_count() || t.is_deleted(r)) return false;
      t.go_to_record(ctx, r);
      const KeyRow k = read_key_row(t);
      return k.key_width_b == kept.key_width_b && k.key_height_h == kept.key_height_h &&
             k.shaft_range_min_d1 == kept.shaft_range_min_d1 && k.shaft_range_max_d1 == kept.shaft_range_max_d1;
    };
    if (!holds_kept(kept_number)) {
      const auto records = t.records_in_order(false);
      const auto it = std::find_if(records.begin(), records.end(), holds_kept);
      if (it != records.end()) {
        ctx.rec.key_row_number = *it;
        changed = true;
      } else {
        ctx.ui.message(kCaptionError, "Scheibenfeder DIN 6888 - " + trimBlanks(fmtSig(ctx.format, kept.key_width_b)) +
                                          " x " + trimBlanks(fmtSig(ctx.format, kept.key_height_h)) +
                                          " nicht mehr in der Tabelle !");
      }
    }
  }
  t.close_table();
  return changed;
}

void refresh_key_row(CalcContext& ctx) {
  TableObject& t = ctx.tables;
  if (!t.open_table(ctx, "din6888")) return;
  if (ctx.rec.key_row_number != 0) {
    t.go_to_record(ctx, ctx.rec.key_row_number);
    ctx.rec.key_row = read_key_row(t);
  }
  t.close_table();
}

Real round_to_shaft_series(CalcContext& ctx, int mode, Real d) {
  TableObject& t = ctx.tables;
  if (!open_shaft_series(ctx)) return 0;
  // The search text keeps six decimals whatever the display settings: cut to one decimal, a
  // diameter such as 1.13 would find 1.1, below the diameter asked for.
  t.find_nearest(fmtFixed(FormatSettings{}, 4, 6, d));
  t.shaft_series_row = read_series_row(t);
  if (mode == 1) {
    ctx.help_number = kHelpShaftSeriesTable;
    t.browse(ctx, 1);
    t.shaft_series_row = read_series_row(t);
  }
  t.close_table();
  return ctx.rec.cancelled ? 0 : t.shaft_series_row.diameter;
}

void show_shaft_series(CalcContext& ctx, int mode) {
  TableObject& t = ctx.tables;
  if (!open_shaft_series(ctx)) return;
  ctx.help_number = kHelpShaftSeriesTable;
  t.browse(ctx, mode);
  if (mode == 1 && !ctx.rec.cancelled) t.shaft_series_row = read_series_row(t);
  t.close_table();
}

}  // namespace vx11
