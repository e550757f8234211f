// Text padding, trimming, word wrap, code-page conversion and date texts.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "base/format_settings.h"

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

// Code page 850 to the window code page (UTF-8 here) and back. Marked names (below) pass unchanged.
std::string toWindows(const FormatSettings& s, std::string_view cp850);
std::string toCodePage850(std::string_view utf8);
// The full conversion to UTF-8 without the ASCII mode's transliteration (terminal output).
std::string cp850ToUtf8(std::string_view cp850);
// Appends the UTF-8 bytes of a code point below U+10000.
void append_utf8(std::string& out, std::uint32_t code_point);

// File and folder names are the file system's own (UTF-8) and never code-page converted. Inside a
// code page 850 text (a message, a report line) a name is marked, and the conversions to the window
// code page copy the marked bytes as they are, so the name is shown as the file system gives it.
inline constexpr char kNameStart = '\x0E';
inline constexpr char kNameEnd = '\x0F';
std::string nameText(std::string_view name);
// The text with the marks dropped and the names as they are (what a test or a log compares).
std::string plainNames(std::string_view text);
// The text for a file kept in code page 850: the marks dropped, each name in code page 850.
std::string namesInCodePage850(std::string_view text);
std::string transliterate(std::string_view cp850);

// Text for an HTML page: "&", "<", ">" and the double quote as character references, so a text
// taken from data is never read as markup, inside an element or an attribute value.
std::string htmlEscaped(std::string_view text);
// The declaration every page of the program carries: its bytes are UTF-8.
inline constexpr const char* kHtmlCharset = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">";

// Dates and times.
std::string dateText(const FormatSettings& s, const std::tm& when);
std::string dateText(const FormatSettings& s);  // today
std::string timeText(const std::tm& when);
std::string timeText();                          // now
std::string fileDateText(std::time_t stamp);

}  // namespace vx11
