#include "report/number_input.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr const char* kInputCaption = "Eingabe";

std::string invalid_text(const std::string& typed) { return "Ung\x81ltige Eingabe \"" + typed + "\" !"; }

bool converts_to_integer(const std::string& text, long long& value) {
  std::string t = trimBlanks(text);
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  const auto res = std::from_chars(t.data(), t.data() + t.size(), value);
  return !t.empty() && res.ec == std::errc{} && res.ptr == t.data() + t.size();
}

}  // namespace

std::optional<Real> readReal(std::string_view text) {
  std::string t = trimBlanks(std::string(text));
  if (const auto comma = t.find(','); comma != std::string::npos) t[comma] = '.';
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  Real value = 0;
  const auto res = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || res.ec != std::errc{} || res.ptr != t.data() + t.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<Real> ask_real(Interaction& ui, const FormatSettings& s, const std::string& prompt, Real value,
                             Real minimum, Real maximum) {
  for (;;) {
    const std::string shown = fmtSig(s, value);
    const auto typed = ui.ask_text(kInputCaption, prompt, shown);
    if (!typed) return std::nullopt;
    if (*typed == shown) return value;  // unchanged text keeps the exact value
    const auto read = readReal(*typed);
    if (!read) {
      ui.message(kCaptionError, invalid_text(*typed));
      continue;
    }
    const Real v = *read;
    if (v < minimum || v > maximum) {
      ui.message(kCaptionError,
                 "G\x81ltiger Wertebereich: " + fmtSig(s, minimum) + " .. " + fmtSig(s, maximum) + " !");
      continue;
    }
    return v;
  }
}

std::optional<long long> ask_integer(Interaction& ui, const std::string& prompt, long long value,
                                     long long minimum, long long maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  for (;;) {
    const std::string shown = fmtInt(value);
    const auto typed = ui.ask_text(kInputCaption, prompt, shown);
    if (!typed) return std::nullopt;
    long long v = 0;
    if (!converts_to_integer(*typed, v)) {
      ui.message(kCaptionError, invalid_text(*typed));
      continue;
    }
    if (v < minimum || v > maximum) {
      ui.message(kCaptionError, "G\x81ltiger Wertebereich: " + fmtInt(minimum) + " .. " + fmtInt(maximum) + " !");
      continue;
    }
    return v;
  }
}

}  // namespace vx11
