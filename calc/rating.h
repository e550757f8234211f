// Rating of the Woodruff key connection after DIN 6892 Method B: groove data, areas, pressures, safeties.
#pragma once

#include <string_view>

#include "calc/calc_context.h"
#include "calc/connection_record.h"
#include "base/format_settings.h"
#include "base/message_list.h"

namespace vx11 {

// The texts of the run's stops. The first three are the classic input checks; the others guard a key
// row or load data that would otherwise put a division by zero, a root of a negative number or an
// overflow into the results.
namespace rating_text {
inline constexpr std::string_view kDiameterZero = "Fatal  : d = 0 !";
inline constexpr std::string_view kTorqueZero = "Fatal  : TN = 0 !";
inline constexpr std::string_view kFactorZero = "Fatal  : KA = 0 !";
inline constexpr std::string_view kKeyDiameterZero = "Fatal  : d2 = 0 !";
inline constexpr std::string_view kHeightOutside = "Fatal  : h au\xE1" "erhalb 0..d2 !";
inline constexpr std::string_view kRoundingTooLarge = "Fatal  : r1 zu gro\xE1 f\x81r h und d2 !";
inline constexpr std::string_view kDepthOutside = "Fatal  : t1 au\xE1" "erhalb 0..d2 !";
inline constexpr std::string_view kShaftAreaNotPositive = "Fatal  : Tragfl\x84" "che A1min <= 0 !";
inline constexpr std::string_view kDepthNotBelowHeight = "Fatal  : t1 >= h !";
inline constexpr std::string_view kHubAreaNotPositive = "Fatal  : Tragfl\x84" "che A2min <= 0 !";
inline constexpr std::string_view kDepthNotBelowShaft = "Fatal  : d - t1/2 <= 0 !";
inline constexpr std::string_view kPressureEqZero = "Fatal  : Fl\x84" "chenpressung peq = 0 !";
inline constexpr std::string_view kPressureMaxZero = "Fatal  : Fl\x84" "chenpressung pmax = 0 !";
inline constexpr std::string_view kNotRepresentable = "Fatal  : ung\x81ltiger Zahlenwert !";
// The key table could not be read: a rating without its key row must never reach an output.
inline constexpr std::string_view kKeyTableUnreadable = "Fatal  : din6888.dbf nicht lesbar !";
inline constexpr std::string_view kOutsideRange = "Warnung: D au\xE1" "erhalb DIN !";
}  // namespace rating_text

// Clears the messages and the fatal flag and checks d, TN and KA; false when the run has stopped.
bool begin_rating(ConnectionRecord& rec, MessageList& messages);

// The lower deviation of h9 at the key height, in mm. A failed lookup gives 0 and sets `cancelled`.
Real key_height_deviation(ConnectionRecord& rec);

// Everything after the key row refresh: tolerances and roundings, groove depths, key, shaft and hub
// geometry, forces, pressures, stresses, safeties and their messages. `h_deviation_mm` is the lower
// deviation of h9 at the key height (0 when the lookup failed).
void compute_rating(ConnectionRecord& rec, MessageList& messages, const FormatSettings& format,
                    Real h_deviation_mm);

// The whole run on the program state: input checks, key row refresh, h9 lookup, computation.
void run_rating(CalcContext& ctx);

}  // namespace vx11
