#include "base/value_lines.h"

#include <cmath>
#include <limits>

#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {
constexpr const char* kEol = "\r\n";
}

void writeTextLine(std::ostream& out, std::string_view text) { out << text << kEol; }
void writeIntLine(std::ostream& out, long long value) { out << fmtInt(value) << kEol; }
void writeTruthLine(std::ostream& out, bool value) { out << (value ? "TRUE" : "FALSE") << kEol; }
void writeCharLine(std::ostream& out, char value) { out << value << kEol; }

void writeFieldsLine(std::ostream& out, const std::array<std::string, 4>& fields) {
  for (const auto& f : fields) out << f << '|';
  out << kEol;
}

std::string realValueText(const FormatSettings& s, Real x) {
  if (x < 1 && std::fabs(x - std::round(x)) < 1E-10L) return fmtSig(s, x);
  // fmtSig's integer width: no padding, the number keeps all its digits.
  return fmtFixed(s, 0, 7, x);
}

void writeRealLine(std::ostream& out, const FormatSettings& s, Real value) {
  out << realValueText(s, value) << kEol;
}

bool ValueLineReader::next(std::string& line) {
  line.clear();
  bare_lf_ = false;
  if (ended_) return false;
  // Character by character, so a line without end never fills the memory.
  std::streambuf* buffer = in_.rdbuf();
  bool any = false;
  bool line_feed = false;
  for (;;) {
    const int c = buffer ? buffer->sbumpc() : std::char_traits<char>::eof();
    if (c == std::char_traits<char>::eof()) {
      in_.setstate(std::ios::eofbit);
      break;
    }
    any = true;
    if (c == '\n') {
      line_feed = true;
      break;
    }
    if (line.size() > kMaxValueLine) break;  // beyond the limit and its CR
    line.push_back(static_cast<char>(c));
  }
  if (line.size() > kMaxValueLine && !(line.size() == kMaxValueLine + 1 && line.back() == '\r')) {
    overlong_ = true;
    ended_ = true;
    line.clear();
    return false;
  }
  if (!any) {
    ended_ = true;
    return false;
  }
  ++line_;
  bare_lf_ = line_feed && (line.empty() || line.back() != '\r');
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::string ValueLineReader::text() {
  std::string line;
  next(line);
  return line;
}

long long ValueLineReader::integer() { return parseInt(text()); }

std::int16_t ValueLineReader::int16() {
  const long long v = integer();
  if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max()) return 0;
  return static_cast<std::int16_t>(v);
}

Real realLineValue(std::string_view text) {
  std::string t(text);
  for (char& c : t)
    if (c == ',') c = '.';
  return parseReal(t);
}

Real ValueLineReader::real() { return realLineValue(text()); }

bool ValueLineReader::truth() { return upper(trimBlanks(text())) == "TRUE"; }

char ValueLineReader::character() {
  const std::string t = text();
  return t.empty() ? ' ' : t.front();
}

std::array<std::string, 4> ValueLineReader::fields() {
  const std::string t = text();
  std::array<std::string, 4> f;
  std::size_t start = 0;
  for (auto& field : f) {
    const auto bar = t.find('|', start);
    if (bar == std::string::npos) {
      field = t.substr(std::min(start, t.size()));
      start = t.size();
      continue;
    }
    field = t.substr(start, bar - start);
    start = bar + 1;
  }
  return f;
}

}  // namespace vx11
