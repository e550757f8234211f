#include "calc/key_table.h"

#include "calc/table_object.h"
#include "report/format.h"

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

void select_key_size(CalcContext& ctx, int mode) {
  TableObject& t = ctx.tables;
  t.set_titles("", "Scheibenfedern nach DIN 6888");
  if (!t.open_table(ctx, "din6888")) return;
  if (t.create_index(ctx, t.field_name(3) + "*100+" + t.field_name(4), "din6888")) {
    if (ctx.rec.key_row_number != 0) t.go_to_record(ctx, ctx.rec.key_row_number);
    ctx.help_number = kKeyTableHelp;
    t.browse(ctx, mode);
    if (!ctx.rec.cancelled) {
      ctx.rec.key_row = read_key_row(t);
      ctx.rec.key_row_number = t.current_record();
    }
  }
  t.close_table();
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
    ctx.help_number = kShaftSeriesHelp;
    t.browse(ctx, 1);
    t.shaft_series_row = read_series_row(t);
  }
  t.close_table();
  return ctx.rec.cancelled ? 0 : t.shaft_series_row.diameter;
}

void show_shaft_series(CalcContext& ctx, int mode) {
  TableObject& t = ctx.tables;
  if (!open_shaft_series(ctx)) return;
  ctx.help_number = kShaftSeriesHelp;
  t.browse(ctx, mode);
  if (mode == 1 && !ctx.rec.cancelled) t.shaft_series_row = read_series_row(t);
  t.close_table();
}

}  // namespace vx11
