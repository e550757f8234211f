// The recorded drawing of the screen: one text record per drawing operation, replayed on every paint.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "calc/connection_record.h"

namespace vx11 {

// Record codes.
enum DisplayCode : int {
  kRecCircle = 3,
  kRecLine = 4,
  kRecArc = 5,
  kRecText = 6,
  kRecSolid = 7,
  kRecColour = 8,
  kRecTextStyle = 9,
  kRecWindow = 10,
  kRecLineStyle = 11,
  kRecLineWidth = 12,
};

// A real in general format with 8 significant digits and "." as decimal point; appends to out.
void appendGeneral8(std::string& out, Real x);

class DisplayList {
 public:
  void clear();
  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view record(std::size_t i) const;

  // "code;v1;v2;..." with every value in the general 8-digit form.
  void add(int code, std::initializer_list<Real> values);
  // "6;x;y;text": the text is the rest of the record and may hold ";".
  void addText(Real x, Real y, std::string_view text);

 private:
  void finish();
  std::string text_;
  std::vector<std::size_t> ends_;
};

// One record split for replay.
struct DisplayRecord {
  int code = 0;
  int count = 0;                // numeric fields read
  std::array<double, 8> v{};    // the numeric fields
  std::string_view text;        // code 6: the text
};

// Splits a record; false when the code or a field is not a number or fields are missing.
bool parseDisplayRecord(std::string_view record, DisplayRecord& out);

}  // namespace vx11
