// vx11-fits: limit deviations of ISO tolerance designations, one tab-separated line per query.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calc/toliso.h"
#include "base/format_settings.h"
#include "base/text.h"

namespace {

using vx11::Real;

constexpr std::string_view kUsage =
    "usage: vx11-fits DESIGNATION SIZE\n"
    "       vx11-fits < QUERIES\n"
    "Prints the normal form, the upper and the lower deviation in micrometres and the message,\n"
    "separated by tabs. QUERIES holds one \"DESIGNATION SIZE\" per line (SIZE in mm, last field).\n";

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A size in mm, with a point or a comma as decimal separator; none when the text is no number
// (the program's parseReal gives 0 then, which is a size too).
std::optional<Real> parse_size(std::string_view text) {
  std::string s(trim(text));
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  if (s.empty()) return std::nullopt;
  Real value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

// Deviations are multiples of 0.05 um: whole numbers as such, otherwise the decimals needed.
std::string format_micrometres(Real value) {
  const long long thousandths = std::llround(value * 1000);
  const unsigned long long magnitude = static_cast<unsigned long long>(std::llabs(thousandths));
  std::string text = thousandths < 0 ? "-" : "";
  text += std::to_string(magnitude / 1000);
  unsigned fraction = static_cast<unsigned>(magnitude % 1000);
  if (fraction != 0) {
    std::string digits = {static_cast<char>('0' + fraction / 100), static_cast<char>('0' + fraction / 10 % 10),
                          static_cast<char>('0' + fraction % 10)};
    digits.erase(digits.find_last_not_of('0') + 1);
    text += "." + digits;
  }
  return text;
}

std::string answer(std::string designation, Real size_mm) {
  const vx11::ToleranceLimits limits = vx11::tolerance_limits(designation, size_mm);
  return designation + "\t" + format_micrometres(limits.upper) + "\t" + format_micrometres(limits.lower) + "\t" +
         vx11::toWindows(vx11::FormatSettings{}, limits.message);  // code page 850 to UTF-8
}

// One query line: the designation (which may hold a blank, as in "h 9") and the size as last field.
// A missing or unreadable size is no size at all, which the lookup answers as undefined.
std::string answer_line(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  line = trim(line);
  const auto split = line.find_last_of(" \t");
  if (split == std::string_view::npos) return answer(std::string(line), std::numeric_limits<Real>::quiet_NaN());
  const auto size = parse_size(line.substr(split + 1));
  return answer(std::string(trim(line.substr(0, split))), size.value_or(std::numeric_limits<Real>::quiet_NaN()));
}

int usage_error(std::string_view problem) {
  std::cerr << "vx11-fits: " << problem << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (argc == 2) return usage_error("a designation and a size are needed");
  if (argc >= 3) {
    // "vx11-fits h 9 10" means the same as "vx11-fits 'h 9' 10".
    std::string designation = argv[1];
    for (int i = 2; i < argc - 1; ++i) designation += std::string(" ") + argv[i];
    const auto size = parse_size(argv[argc - 1]);
    if (!size) return usage_error("the size is no number: " + std::string(argv[argc - 1]));
    std::cout << answer(designation, *size) << "\n";
  } else {
    for (std::string line; std::getline(std::cin, line);) std::cout << answer_line(line) << "\n";
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "vx11-fits: the output could not be written\n";
    return 1;
  }
  return 0;
}
