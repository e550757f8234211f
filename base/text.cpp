#include "base/text.h"

#include <algorithm>

#include "base/format.h"

namespace vx11 {

std::string padRight(std::string_view s, int n) {
  if (n <= 0) return {};
  std::string t(s.substr(0, n));
  t.resize(n, ' ');
  return t;
}

std::string padLeft(std::string_view s, int n) {
  if (n <= 0) return {};
  std::string t = trimBlanks(s);
  if (static_cast<int>(t.size()) > n) t.resize(n);
  t.insert(0, n - t.size(), ' ');
  return t;
}

std::string leftPart(std::string_view s, int n) {
  return n <= 0 ? std::string() : std::string(s.substr(0, n));
}

std::string rightPart(std::string_view s, int n) {
  if (n <= 0) return {};
  const std::size_t k = std::min<std::size_t>(n, s.size());
  return std::string(s.substr(s.size() - k));
}

std::string trimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return std::string(s.substr(first, last - first + 1));
}

std::string removeBlanks(std::string_view s) {
  std::string t(s);
  std::erase(t, ' ');
  return t;
}

std::string upper(std::string_view s) {
  std::string t(s);
  for (char& c : t)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return t;
}

std::string lower(std::string_view s) {
  std::string t(s);
  for (char& c : t)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return t;
}

std::string shortenMiddle(std::string_view s, int n) {
  if (static_cast<int>(s.size()) <= n) return std::string(s);
  const int half = std::max(n / 2 - 3, 0);
  return std::string(s.substr(0, half)) + " ... " + std::string(s.substr(s.size() - half));
}

WrappedText wrapText(std::string_view text, char separator, int width) {
  WrappedText w;
  if (width < 1) width = 1;
  while (!text.empty()) {
    std::size_t piece = text.size();
    if (static_cast<int>(text.size()) > width) {
      // The piece ends at the last separator among the first width - 1 characters.
      const std::string_view head = text.substr(0, width - 1);
      const auto sep = head.rfind(separator);
      piece = sep == std::string_view::npos ? width : sep + 1;
    }
    w.lines.emplace_back(text.substr(0, piece));
    w.longest = std::max(w.longest, static_cast<int>(piece));
    text.remove_prefix(piece);
  }
  return w;
}

namespace {
std::tm local_now() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}
}  // namespace

std::string dateText(const FormatSettings& s, const std::tm& when) {
  const std::string day = fmtIntZero(when.tm_mday, 2);
  const std::string month = fmtIntZero(when.tm_mon + 1, 2);
  const std::string year = fmtInt(when.tm_year + 1900);
  switch (s.date_code) {
    case 1: return day + "." + month + "." + year;
    case 2: return month + "/" + day + "/" + year;
    case 4: return day + "/" + month + "/" + year;
    default: return year + "/" + month + "/" + day;
  }
}

std::string dateText(const FormatSettings& s) { return dateText(s, local_now()); }

std::string timeText(const std::tm& when) {
  return fmtInt(when.tm_hour) + ":" + fmtIntZero(when.tm_min, 2);
}

std::string timeText() { return timeText(local_now()); }

std::string fileDateText(std::time_t stamp) {
  std::tm tm{};
  localtime_r(&stamp, &tm);
  return fmtInt(tm.tm_year + 1900) + "/" + fmtIntZero(tm.tm_mon + 1, 2) + "/" + fmtIntZero(tm.tm_mday, 2);
}

std::string htmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace vx11
