#include "calc/predesign.h"

#include <algorithm>

#include "report/format.h"
#include "report/guarded_math.h"

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

}  // namespace vx11
