// The program's real number type and the unit factors between the metric record and inch display.
#pragma once

namespace vx11 {

using Real = long double;

// Unit conversion factors between the metric record and the inch system's display.
namespace units {
inline constexpr Real kInchToMm = 25.4L;
inline constexpr Real kMmToInch = 0.039370078740157480314L;
inline constexpr Real kLbInToNm = 0.112984788L;
inline constexpr Real kNmToLbIn = 8.850749005255468551L;
inline constexpr Real kMpaToPsi = 145.037L;
inline constexpr Real kPsiToMpa = 1.0L / 145.037L;
inline constexpr Real kNToLbf = 0.22480902473348890118L;
inline constexpr Real kMm2ToIn2 = 0.0015500031L;
}  // namespace units

}  // namespace vx11
