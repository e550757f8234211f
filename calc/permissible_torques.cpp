#include "calc/permissible_torques.h"

#include <cmath>

namespace vx11 {

LimitingPart least_safety(const std::array<Real, 3>& safeties) {
  LimitingPart least{safeties[kShaft], kShaft};
  for (int i = kHub; i <= kKey; ++i)
    if (safeties[i] < least.value) least = {safeties[i], i};
  return least;
}

PermissibleTorques permissible_torques(const ConnectionRecord& rated, const MessageList& messages,
                                       const DesignTargets& targets) {
  PermissibleTorques p;
  if (rated.fatal_error) {
    p.fatal_message = first_fatal_message(messages);
    return p;
  }
  p.rated = true;
  const LimitingPart seq = least_safety(rated.safety_seq);
  const LimitingPart smax = least_safety(rated.safety_smax);
  p.tn_perm = {rated.nominal_torque_tn * seq.value / targets.seq, seq.part};
  p.tmax_perm = {rated.max_torque_tmax * smax.value / targets.smax, smax.part};
  const std::int32_t re_shaft = rated.material[kShaft].yield_re;
  if (re_shaft > 0 && rated.tau_max != 0) {
    const Real tmax_tau = rated.max_torque_tmax * kTauRatioLimit * re_shaft / rated.tau_max;
    if (std::isfinite(tmax_tau)) p.tmax_tau = tmax_tau;
  }
  return p;
}

}  // namespace vx11
