// The predesign's computations: storing its edits, proposing a shaft diameter, choosing the key.
#pragma once

#include <optional>
#include <string>

#include "calc/calc_context.h"
#include "calc/connection_record.h"
#include "base/format_settings.h"
#include "base/message_list.h"

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

// Shown instead of a proposal when shaft or hub has no yield stress (code page 850).
inline constexpr const char* kNoProposalText = "Re = 0 bei Welle oder Nabe: kein Vorschlag f\x81r d !";

// "<" beside d in the predesign: stores the edits and returns the next diameter of the preferred
// series at or above the estimate with KA. Empty when there is no proposal; the edit stays as it is.
// Leaves `cancelled` clear.
std::optional<Real> propose_predesign_diameter(CalcContext& ctx, const PredesignEdits& edits);

// "<" beside d in the dimension dialog: the estimate without KA, confirmed by the person in the
// series table. Empty when there is no proposal. Leaves `cancelled` clear.
std::optional<Real> propose_dimension_diameter(CalcContext& ctx);

// OK of the predesign: stores the edits and offers the key table on the first size whose largest
// recommended shaft diameter reaches d; a confirmed row becomes the chosen key, a cancelled browser
// keeps the old one. False (with `cancelled` set) when the key table cannot be used: the dialog
// stays open. True otherwise, with `cancelled` clear: the dialog closes.
bool confirm_predesign(CalcContext& ctx, const PredesignEdits& edits);

}  // namespace vx11
