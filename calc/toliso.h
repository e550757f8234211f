// ISO 286 tolerance lookup: a designation such as "h9" or "H 7" and a nominal size to its limit deviations.
#pragma once

#include <string>

#include "calc/connection_record.h"

namespace vx11 {

// Limit deviations in micrometres; both 0 after an error. The message is code page 850 text,
// empty on success; a grade outside the usual range of a shaft position gives the deviations
// together with the usual range as message.
struct ToleranceLimits {
  Real lower = 0;
  Real upper = 0;
  std::string message;
};

// Looks up the designation at the nominal size in mm. The text is rewritten to its normal form
// (position, blank, grade: "h9" becomes "h 9") and cleared when it is no valid designation.
// An empty text or a single blank gives no lookup: zeros and no message.
ToleranceLimits tolerance_limits(std::string& text, Real nominal_mm);

// The lookup as the rating uses it: a non-empty message sets the record's abort flag.
ToleranceLimits tolerance_limits_for_rating(ConnectionRecord& rec, std::string text, Real nominal_mm);

}  // namespace vx11
