// The torques a rated connection takes at given target safeties, and the part that limits each.
#pragma once

#include <optional>
#include <string>

#include "calc/connection_record.h"
#include "base/message_list.h"

namespace vx11 {

// Target safeties of the design aids: the least Seq and the least Smax asked for.
struct DesignTargets {
  Real seq = 1.0L;
  Real smax = 1.0L;
};

// The tau warning's limit of tau_max / Re of the shaft.
inline constexpr Real kTauRatioLimit = 0.7L;

struct LimitingPart {
  Real value = 0;
  int part = kShaft;  // the first of the parts with the least value, in the order shaft, hub, key
};

// The least of three safeties and its part.
LimitingPart least_safety(const std::array<Real, 3>& safeties);

struct PermissibleTorques {
  bool rated = false;         // false: the rating stopped, and only `fatal_message` holds
  std::string fatal_message;  // code page 850
  LimitingPart tn_perm;       // Nm: TN at which the least Seq equals the target
  LimitingPart tmax_perm;     // Nm: Tmax at which the least Smax equals the target
  // Nm: Tmax at which tau_max / Re of the shaft reaches 0.7; only when the shaft has a yield stress.
  std::optional<Real> tmax_tau;
};

// From one rating: the safeties fall in proportion to the torque (TN for Seq, with KA fixed; Tmax
// for Smax and tau_max), so each permissible torque is the torque scaled by safety over target.
// `messages` are the rating's, for the stop message of a fatal run.
PermissibleTorques permissible_torques(const ConnectionRecord& rated, const MessageList& messages,
                                       const DesignTargets& targets);

}  // namespace vx11
