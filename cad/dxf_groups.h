// The group-code reader of DXF text: one group is a code line and a value line. Lines are bounded
// in length, so a damaged or foreign file ends the reading instead of filling memory.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "calc/connection_record.h"

namespace vx11 {

// Whole-text conversions of group values; blanks around the number are allowed, nothing else.
bool dxfInt(std::string_view s, int& v);
bool dxfReal(std::string_view s, Real& v);
std::string_view dxfTrimmed(std::string_view s);

class DxfGroupReader {
 public:
  explicit DxfGroupReader(std::istream& in) : in_(in) {}

  enum class Read { Ok, End, Broken };
  // The next group, or the one handed back by pushBack. End only at the end of the text.
  Read next();
  // The group just read is read again by the next call of next().
  void pushBack() { pushed_ = true; }

  int code() const { return code_; }
  const std::string& value() const { return value_; }
  // The value without surrounding blanks: entity and section names.
  std::string_view word() const { return dxfTrimmed(value_); }

 private:
  Read readLine(std::string& line);

  std::istream& in_;
  int code_ = 0;
  std::string value_;
  bool pushed_ = false;
};

}  // namespace vx11
