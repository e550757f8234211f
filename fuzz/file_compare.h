// Comparing two value-line files written from the same values: lines equal, or the same number.
#pragma once

#include <sstream>
#include <string>

#include "report/format.h"
#include "report/value_lines.h"

namespace vx11::fuzz {

// A real too small for the digits of its line is written "0.0000000" from the value read and "0"
// once it has been read back as zero; both lines hold the same number, so they count as equal.
inline bool same_values(const std::string& a, const std::string& b) {
  std::istringstream in_a(a), in_b(b);
  ValueLineReader ra(in_a), rb(in_b);
  std::string la, lb;
  for (;;) {
    const bool more_a = ra.next(la);
    const bool more_b = rb.next(lb);
    if (more_a != more_b) return false;
    if (!more_a) return true;
    if (la == lb) continue;
    const auto number = [](const std::string& s) {
      return !s.empty() && s.find_first_not_of("+-.,0123456789") == std::string::npos;
    };
    const auto value = [](std::string s) {
      for (char& c : s)
        if (c == ',') c = '.';
      return parseReal(s);
    };
    if (!number(la) || !number(lb) || value(la) != value(lb)) return false;
  }
}

}  // namespace vx11::fuzz
