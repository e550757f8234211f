// Value lines of the program's text files (input data file, configuration): each ended by CR LF.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "base/real.h"
#include "base/format_settings.h"

namespace vx11 {

// Writers; each writes one line and its CR LF.
void writeTextLine(std::ostream& out, std::string_view text);
void writeIntLine(std::ostream& out, long long value);
void writeRealLine(std::ostream& out, const FormatSettings& s, Real value);
void writeTruthLine(std::ostream& out, bool value);
void writeCharLine(std::ostream& out, char value);
void writeFieldsLine(std::ostream& out, const std::array<std::string, 4>& fields);

// The real-value rule as a text, without the line end.
std::string realValueText(const FormatSettings& s, Real value);

// The real-value rule backwards: every comma counts as a point; text that does not convert gives 0.
Real realLineValue(std::string_view text);

// The longest line a value-line file may hold; a longer one marks the file as damaged.
inline constexpr std::size_t kMaxValueLine = 64 * 1024;

// Reads value lines one at a time; past the end every read gives the empty text (numbers 0). A line
// longer than kMaxValueLine is not kept: the reader stops there as at the end and says so.
class ValueLineReader {
 public:
  explicit ValueLineReader(std::istream& in) : in_(in) {}
  // The next line without its CR LF (or LF); false at the end.
  bool next(std::string& line);
  std::string text();
  long long integer();
  std::int16_t int16();
  Real real();  // every comma counts as a point
  bool truth(); // "TRUE" (any case) is true, anything else false
  char character();
  std::array<std::string, 4> fields();
  bool at_end() const { return ended_; }
  // Whether reading stopped at a line longer than kMaxValueLine.
  bool overlong_line() const { return overlong_; }
  // Whether the last line read ended with a line feed that has no CR before it.
  bool bare_line_feed() const { return bare_lf_; }
  int line_number() const { return line_; }

 private:
  std::istream& in_;
  bool ended_ = false;
  bool overlong_ = false;
  bool bare_lf_ = false;
  int line_ = 0;
};

}  // namespace vx11
