// Value lines from any bytes: every line, number and field group written again reads back the same.
#include <cmath>
#include <sstream>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "base/format.h"
#include "base/value_lines.h"

using namespace vx11;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = fuzz::bytes(data, size);
  std::vector<std::string> lines;
  {
    std::istringstream in(input);
    ValueLineReader r(in);
    std::string line;
    while (r.next(line)) lines.push_back(line);
    fuzz::require(r.text().empty() && r.integer() == 0 && r.real() == 0, "past the end everything is empty");
  }
  std::ostringstream out;
  for (const auto& l : lines) writeTextLine(out, l);
  {
    std::istringstream in(out.str());
    ValueLineReader r(in);
    for (const auto& l : lines) fuzz::require(r.text() == l, "a text line reads back unchanged");
    std::string extra;
    fuzz::require(!r.next(extra), "no extra lines");
  }

  FormatSettings format;
  for (const auto& l : lines) {
    std::istringstream one(l + "\r\n");
    const auto fields = ValueLineReader(one).fields();
    std::ostringstream w;
    writeFieldsLine(w, fields);
    writeIntLine(w, parseInt(l));
    std::istringstream wi(w.str());
    ValueLineReader back(wi);
    fuzz::require(back.fields() == fields, "a field group reads back unchanged");
    fuzz::require(back.integer() == parseInt(l), "an integer reads back unchanged");

    // Reals go through their text once; after that the value is a fixed point. (The text need not
    // be: values too small for the digits are written "0.0000000" once, then "0".)
    std::string t = l;
    for (char& c : t)
      if (c == ',') c = '.';
    const Real x = parseReal(t);
    if (!std::isfinite(x)) continue;
    const Real once = parseReal(realValueText(format, x));
    const Real twice = parseReal(realValueText(format, once));
    fuzz::require(twice == once, "a real's file text reads back to the same value");
    fuzz::require(std::fabs(once - x) <= 5E-8L + std::fabs(x) * 1E-15L, "a real's file text is close to it");
  }
  return 0;
}
