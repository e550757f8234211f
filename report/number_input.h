// Real and integer questions built on the text question: re-asked until the text converts and
// lies in range; Cancel leaves the value unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/connection_record.h"
#include "base/format_settings.h"
#include "base/interaction.h"

namespace vx11 {

// A typed text as the number parser reads it (blanks around it, one leading "+", the first comma as
// the decimal point); nullopt for any other text and for values beyond the reals.
std::optional<Real> readReal(std::string_view text);

// Returns the accepted value, or nullopt when the person cancelled.
std::optional<Real> ask_real(Interaction& ui, const FormatSettings& s, const std::string& prompt, Real value,
                             Real minimum, Real maximum);
std::optional<long long> ask_integer(Interaction& ui, const std::string& prompt, long long value,
                                     long long minimum, long long maximum);

}  // namespace vx11
