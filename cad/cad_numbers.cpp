#include "cad/cad_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/format.h"
#include "base/text.h"

namespace vx11 {

void appendCadReal(std::string& out, Real x, int decimals) {
  decimals = std::clamp(decimals, 0, 32);
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x), std::chars_format::fixed, decimals);
  if (res.ec != std::errc{}) {
    out.push_back('0');
    return;
  }
  const char* begin = buf;
  const char* end = res.ptr;
  // A value that rounds to zero is written without a sign.
  if (*begin == '-' && std::all_of(begin + 1, end, [](char c) { return c == '0' || c == '.'; })) ++begin;
  out.append(begin, end);
}

std::string cadReal(Real x, int decimals) {
  std::string s;
  appendCadReal(s, x, decimals);
  return s;
}

bool isFullTurn(Real a1, Real a2) {
  auto near = [](Real a, Real b) { return std::fabs(a - b) < 0.00001L; };
  return a1 == a2 || (near(a1, 0) && near(a2, 360)) || (near(a1, 360) && near(a2, 0));
}

std::string cadText(const CadSettings& cad, const FormatSettings& format, std::string_view text) {
  switch (cad.cad_text_mode) {
    case 2:
      return toWindows(format, text);
    case 3:
      return transliterate(text);
    default:
      return std::string(text);
  }
}

std::string sigWithPoint(const FormatSettings& format, Real x) {
  FormatSettings point = format;
  point.decimal_separator = 1;
  return fmtSig(point, x);
}

}  // namespace vx11
