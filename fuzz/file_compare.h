// Comparing two value-line files written from the same values: lines equal, or the same number.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "base/format.h"
#include "base/value_lines.h"

namespace vx11::fuzz {

namespace detail {

inline bool is_number(std::string_view s) {
  return !s.empty() && s.find_first_not_of("+-.,0123456789") == std::string_view::npos;
}

inline Real number_value(std::string_view s) {
  std::string t(s);
  for (char& c : t)
    if (c == ',') c = '.';
  return parseReal(t);
}

// Equal texts, or two numbers of the same value.
inline bool same_field(std::string_view a, std::string_view b) {
  return a == b || (is_number(a) && is_number(b) && number_value(a) == number_value(b));
}

// Lines of fields separated by "|" (the drawing texts, the title block): field by field.
inline bool same_fields(std::string_view a, std::string_view b) {
  for (;;) {
    const auto bar_a = a.find('|'), bar_b = b.find('|');
    if ((bar_a == std::string_view::npos) != (bar_b == std::string_view::npos)) return false;
    if (!same_field(a.substr(0, bar_a), b.substr(0, bar_b))) return false;
    if (bar_a == std::string_view::npos) return true;
    a.remove_prefix(bar_a + 1);
    b.remove_prefix(bar_b + 1);
  }
}

}  // namespace detail

// A real too small for the digits of its line is written "0.0000000" from the value read and "0"
// once it has been read back as zero; a number of four significant digits may be written "7.350"
// from 7.3496 and "7.35" once read back. Both lines hold the same numbers, so they count as equal.
inline bool same_values(const std::string& a, const std::string& b) {
  std::istringstream in_a(a), in_b(b);
  ValueLineReader ra(in_a), rb(in_b);
  std::string la, lb;
  for (;;) {
    const bool more_a = ra.next(la);
    const bool more_b = rb.next(lb);
    if (more_a != more_b) return false;
    if (!more_a) return true;
    if (!detail::same_fields(la, lb)) return false;
  }
}

}  // namespace vx11::fuzz
