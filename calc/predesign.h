// The predesign's computations: storing its edits, proposing a shaft diameter, choosing the key.
#pragma once

#include <optional>
#include <string>

#include "calc/connection_record.h"
#include "report/format_settings.h"
#include "report/message_list.h"

namespace vx11 {

// The texts of the predesign's edit fields as typed, in the display unit system.
struct PredesignEdits {
  std::string torque_tn;
  std::string factor_ka;
  std::string diameter_d;
};

// When the dialog opens: a peak torque below the nominal one becomes twice the nominal one.
void prepare_predesign(ConnectionRecord& rec);

// TN, KA and d from the edits; Tmax becomes 2 TN when it lies below TN or above 3 TN.
void store_predesign_edits(ConnectionRecord& rec, const FormatSettings& format, const PredesignEdits& edits);

// The unrounded shaft diameter at which 32 T / (pi d^3) reaches 0.2 Re,min, with T = TN * KA when
// `with_ka` (predesign) or T = TN (dimension dialog). Empty when shaft or hub has no yield stress.
std::optional<Real> shaft_diameter_estimate(const ConnectionRecord& rec, MessageList& messages, bool with_ka);

}  // namespace vx11
