// Text padding, trimming, word wrap, code-page conversion and date texts.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "report/format_settings.h"

namespace vx11 {

std::string padRight(std::string_view s, int n);
std::string padLeft(std::string_view s, int n);
std::string leftPart(std::string_view s, int n);
std::string rightPart(std::string_view s, int n);
std::string trimBlanks(std::string_view s);
std::string removeBlanks(std::string_view s);
std::string upper(std::string_view s);
std::string lower(std::string_view s);
std::string shortenMiddle(std::string_view s, int n);

struct WrappedText {
  std::vector<std::string> lines;
  int longest = 0;
  int count() const { return static_cast<int>(lines.size()); }
};
WrappedText wrapText(std::string_view text, char separator, int width = 64);

// Code page 850 to the window code page (UTF-8 here) and back.
std::string toWindows(const FormatSettings& s, std::string_view cp850);
std::string toCodePage850(std::string_view utf8);
// The full conversion to UTF-8 without the length limit of the window conversion (terminal output).
std::string cp850ToUtf8(std::string_view cp850);
std::string transliterate(std::string_view cp850);

// Dates and times.
std::string dateText(const FormatSettings& s, const std::tm& when);
std::string dateText(const FormatSettings& s);  // today
std::string timeText(const std::tm& when);
std::string timeText();                          // now
std::string fileDateText(std::time_t stamp);

}  // namespace vx11
