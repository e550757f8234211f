#include "base/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "base/text.h"

namespace vx11 {

namespace {

// Long enough for the fixed-point text of the largest long double with ten decimals.
constexpr std::size_t kFixedBuffer = 4960;

int shifted_decimals(const FormatSettings& s, int d) {
  if (s.decimals != 3) d = std::clamp(d + s.decimals - 3, 0, 10);
  return d;
}

// Exact fixed-point digits of |x| for values below 2^63 and at most 10 decimals: the binary
// mantissa times 10^d fits in 128 bits, so the rounding (half to even, like the C library) is exact.
bool fast_fixed(Real x, int d, std::string& out) {
  if (d < 0 || d > 10) return false;
  const Real a = std::fabs(x);
  if (!(a < 9.2e18L)) return false;
  int exp = 0;
  const Real frac = std::frexp(a, &exp);  // a = frac * 2^exp, frac in [0.5, 1)
  const auto mant = static_cast<unsigned long long>(std::ldexp(frac, 64));
  const int shift = 64 - exp;  // a = mant * 2^-shift
  unsigned __int128 scaled = mant;
  for (int i = 0; i < d; ++i) scaled *= 10;
  unsigned __int128 q = 0;
  if (a == 0) {
    q = 0;
  } else if (shift <= 0) {
    q = scaled << -shift;
  } else if (shift < 128) {
    q = scaled >> shift;
    const unsigned __int128 rem = scaled - (q << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (rem > half || (rem == half && (q & 1))) ++q;
  }
  char digits[48];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + static_cast<int>(q % 10));
    q /= 10;
  } while (q != 0);
  while (n <= d) digits[n++] = '0';  // at least one digit before the point
  out.clear();
  if (std::signbit(x)) out += '-';
  for (int i = n - 1; i >= 0; --i) {
    out += digits[i];
    if (i == d && d > 0) out += '.';
  }
  return true;
}

// Fixed-point text without padding; NaN gives "nan", infinities "inf" and "-inf".
std::string fixed_text(Real x, int d) {
  if (std::isnan(x)) return "nan";
  std::string text;
  if (!fast_fixed(x, d, text)) {
    std::array<char, kFixedBuffer> buf;
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, d);
    text.assign(buf.data(), res.ec == std::errc{} ? res.ptr : buf.data());
  }
  if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos)
    text.erase(0, 1);  // a value that rounds to zero carries no sign
  return text;
}

// The significant-digit rule: integer width and decimals that fmtSig hands to fmtFixed.
struct SigLayout {
  int width = 0;
  int decimals = 0;
};

SigLayout sig_layout(Real x) {
  const Real a = std::fabs(x);
  const Real lg = std::log10(a);
  int c = static_cast<int>(std::trunc(lg));
  if (lg < 0) c -= 1;
  SigLayout l;
  if (c >= 3) {
    l.width = c + 1;
    return l;
  }
  if (c < 0) {
    l.decimals = 2 - c;
  } else {
    l.width = c + 1;
    l.decimals = 3 - c;
  }
  // Drop trailing zeros.
  static constexpr Real kPow10[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L, 1e10L};
  long long e = std::llround(a * kPow10[std::min(l.decimals + 1, 10)]);
  do {
    e /= 10;
    if (e % 10 == 0 && l.decimals > 0) --l.decimals;
  } while (e != 0 && e % 10 == 0 && l.decimals > 0);
  return l;
}

bool sig_is_zero(Real x) { return std::fabs(x) < 0.00001L; }

}  // namespace

std::string fmtFixed(const FormatSettings& s, int w, int d, Real x) {
  d = shifted_decimals(s, d);
  if (std::fabs(x) < 0.00000001L) x = 0;
  std::string text = fixed_text(x, d);
  const std::size_t want = d > 0 ? static_cast<std::size_t>(std::max(w, 0) + d + 1)
                                 : static_cast<std::size_t>(std::max(w, 0));
  if (text.size() < want) text.insert(0, want - text.size(), ' ');
  if (s.decimal_separator == 2) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string fmtSig(const FormatSettings& s, Real x) {
  if (std::isnan(x) || std::isinf(x)) return fmtFixed(s, 0, 0, x);
  if (sig_is_zero(x)) return "0";
  const SigLayout l = sig_layout(x);
  return fmtFixed(s, l.width, l.decimals, x);
}

std::string fmtSigWidth(const FormatSettings& s, int n, Real x) {
  return padLeft(fmtSig(s, x), n);
}

std::string fmtInt(long long i) { return std::to_string(i); }

std::string fmtIntZero(long long i, int n) {
  std::string t = std::to_string(i);
  if (static_cast<int>(t.size()) < n) t.insert(0, n - t.size(), '0');
  return t;
}

std::string fmtIntBlank(long long i, int n) {
  std::string t = std::to_string(i);
  if (static_cast<int>(t.size()) < n) t.insert(0, n - t.size(), ' ');
  return t;
}

namespace {
// fmtFixed with the integer width that fmtSig would choose for x.
std::string fixed_with_sig_width(const FormatSettings& s, int d, Real x) {
  const int w = (std::isfinite(x) && !sig_is_zero(x)) ? sig_layout(x).width : 0;
  return fmtFixed(s, w, d, x);
}
}  // namespace

std::string fmtLength(const FormatSettings& s, Real mm) {
  if (!s.inch()) return fmtSig(s, mm);
  return fixed_with_sig_width(s, 4, mm * units::kMmToInch);
}

std::string fmtLengthFixed(const FormatSettings& s, int w, int d, Real mm) {
  if (!s.inch()) return fmtFixed(s, w, d, mm);
  return fmtFixed(s, std::max(w - 1, 1), d + 1, mm * units::kMmToInch);
}

std::string fmtStress(const FormatSettings& s, int w, int d, Real mpa) {
  if (!s.inch()) return fmtFixed(s, w, d, mpa);
  return fmtFixed(s, w + 2, std::max(0, d - 2), mpa * units::kMpaToPsi);
}

std::string fmtTorqueFixed(const FormatSettings& s, int w, int d, Real nm) {
  if (!s.inch()) return fmtFixed(s, w, d, nm);
  return fmtFixed(s, w + 1, std::max(0, d - 1), nm * units::kNmToLbIn);
}

std::string fmtStressSig(const FormatSettings& s, Real mpa) {
  return fmtSig(s, s.inch() ? mpa * units::kMpaToPsi : mpa);
}

std::string fmtTorque(const FormatSettings& s, Real nm) {
  return fmtSig(s, s.inch() ? nm * units::kNmToLbIn : nm);
}

std::string fmtForce(const FormatSettings& s, Real n) {
  return fmtSig(s, s.inch() ? n * units::kNToLbf : n);
}

std::string fmtArea(const FormatSettings& s, Real mm2) {
  return fmtSig(s, s.inch() ? mm2 * 0.0015500031000062L : mm2);
}

Real lengthToMetric(const FormatSettings& s, Real shown) { return s.inch() ? shown * units::kInchToMm : shown; }
Real stressToMetric(const FormatSettings& s, Real shown) {
  return s.inch() ? shown * 0.006894792363327978L : shown;
}
Real torqueToMetric(const FormatSettings& s, Real shown) { return s.inch() ? shown * units::kLbInToNm : shown; }

std::string unitLength(const FormatSettings& s) { return s.inch() ? "in" : "mm"; }
std::string unitStress(const FormatSettings& s) { return s.inch() ? "psi" : "MPa"; }
std::string unitTorque(const FormatSettings& s) { return s.inch() ? "lbfin" : "Nm"; }
std::string unitForce(const FormatSettings& s) { return s.inch() ? "lbf" : "N"; }
std::string unitArea(const FormatSettings& s) {
  if (s.ascii_mode) return s.inch() ? "in2" : "mm2";
  return s.inch() ? "in\xFD" : "mm\xFD";  // "²" is 0xFD in code page 850
}
std::string unitDegree(const FormatSettings& s) { return s.ascii_mode ? "deg" : "\xF8"; }

std::string toFileDecimal(const FormatSettings& s, std::string_view number) {
  std::string t(number);
  if (s.tab_file_separator == 1)
    std::replace(t.begin(), t.end(), ',', '.');
  else
    std::replace(t.begin(), t.end(), '.', ',');
  return t;
}

namespace {
template <typename T>
bool parse_whole(std::string_view text, T& value) {
  std::string_view t = text;
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty()) return false;
  const auto res = std::from_chars(t.data(), t.data() + t.size(), value);
  return res.ec == std::errc{} && res.ptr == t.data() + t.size();
}
}  // namespace

Real parseReal(std::string_view text) {
  std::string t(text);
  if (const auto comma = t.find(','); comma != std::string::npos) t[comma] = '.';
  Real value = 0;
  // "nan", "inf" and numbers beyond any dimension, torque or factor of a connection ("1e4000")
  // count as texts that do not convert: their reports would print thousands of digits.
  if (!parse_whole(t, value) || !std::isfinite(value) || std::fabs(value) > kMaxParsedMagnitude) return 0;
  return value;
}

long long parseInt(std::string_view text) {
  long long value = 0;
  return parse_whole(text, value) ? value : 0;
}

}  // namespace vx11
