#include "calc/predesign.h"

#include <algorithm>

#include "calc/key_table.h"
#include "calc/table_object.h"
#include "base/format.h"
#include "base/guarded_math.h"

namespace vx11 {

void prepare_predesign(ConnectionRecord& rec) {
  if (rec.max_torque_tmax < rec.nominal_torque_tn) rec.max_torque_tmax = 2 * rec.nominal_torque_tn;
}

void store_predesign_edits(ConnectionRecord& rec, const FormatSettings& format, const PredesignEdits& edits) {
  rec.nominal_torque_tn = torqueToMetric(format, parseReal(edits.torque_tn));
  const Real tn = rec.nominal_torque_tn;
  if (tn > rec.max_torque_tmax || rec.max_torque_tmax > 3 * tn) rec.max_torque_tmax = 2 * tn;
  rec.application_factor_ka = parseReal(edits.factor_ka);
  rec.shaft_diameter_d = lengthToMetric(format, parseReal(edits.diameter_d));
}

std::optional<Real> shaft_diameter_estimate(const ConnectionRecord& rec, MessageList& messages, bool with_ka) {
  // A negative yield stress is as meaningless as none; both would make the root's base useless.
  const std::int32_t re_min = std::min(rec.material[kShaft].yield_re, rec.material[kHub].yield_re);
  if (re_min <= 0) return std::nullopt;
  const Real tn = rec.nominal_torque_tn;
  const Real moment = with_ka ? 32 * tn * rec.application_factor_ka * 1000 : 32 * tn * 1000;
  const Real base = moment / (re_min * kPi * 0.2L);
  return power(messages, "", 1.0L / 3, base);
}

namespace {

std::optional<Real> propose(CalcContext& ctx, bool with_ka, int mode) {
  std::optional<Real> d;
  if (const auto estimate = shaft_diameter_estimate(ctx.rec, ctx.messages, with_ka)) {
    const Real rounded = round_to_shaft_series(ctx, mode, *estimate);
    if (!ctx.rec.cancelled) d = rounded;
  } else {
    ctx.ui.message(kCaptionInfo, kNoProposalText);
  }
  ctx.rec.cancelled = false;
  return d;
}

}  // namespace

std::optional<Real> propose_predesign_diameter(CalcContext& ctx, const PredesignEdits& edits) {
  store_predesign_edits(ctx.rec, ctx.format, edits);
  return propose(ctx, true, 0);
}

std::optional<Real> propose_dimension_diameter(CalcContext& ctx) { return propose(ctx, false, 1); }

bool confirm_predesign(CalcContext& ctx, const PredesignEdits& edits) {
  store_predesign_edits(ctx.rec, ctx.format, edits);
  TableObject& t = ctx.tables;
  t.set_titles("", "Scheibenfeder nach DIN 6888");
  if (!t.open_table(ctx, "din6888")) return false;
  if (!t.create_index(ctx, t.field_name(2), "din6888")) {
    t.close_table();
    return false;
  }
  // Six decimals whatever the display settings: cut to one, a d such as 17.04 would find a key
  // whose range ends at 17 mm, below d.
  t.find_nearest(fmtFixed(FormatSettings{}, 3, 6, ctx.rec.shaft_diameter_d));
  ctx.help_number = kHelpKeyTable;
  t.browse(ctx, 1);
  if (!ctx.rec.cancelled) {
    ctx.rec.key_row = read_key_row(t);
    ctx.rec.key_row_number = t.current_record();
  }
  t.close_table();
  ctx.rec.cancelled = false;
  return true;
}

}  // namespace vx11
