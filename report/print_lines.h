// The lines of a text printout as data: what a writer asks the report stream to write, in order.
#pragma once

#include <string>
#include <vector>

namespace vx11 {

struct PrintLine {
  enum class Kind {
    Empty,       // an empty body line
    Body,        // `label` as a body line
    Heading,     // `label`, then a single rule
    SingleRule,
    DoubleRule,
    Value,       // label, symbol, unit, first
    Pair,        // label, symbol, unit, first (shaft), second (hub)
  };
  Kind kind = Kind::Empty;
  std::string label;
  std::string symbol;
  std::string unit;
  std::string first;
  std::string second;
  // Channels with fixed columns cut the values to this many characters (0: whole), so that a long
  // first value does not push the second out of the line.
  int first_width = 0;
  int second_width = 0;

  bool operator==(const PrintLine&) const = default;
};

// Lines that belong to one page; `page_end` closes the page after them.
struct PrintBlock {
  std::vector<PrintLine> lines;
  bool page_end = false;
};

// Short constructors that keep the content tables readable.
inline PrintLine emptyLine() { return {}; }
inline PrintLine bodyLine(std::string text) { return {PrintLine::Kind::Body, std::move(text), {}, {}, {}, {}}; }
inline PrintLine headingLine(std::string text) {
  return {PrintLine::Kind::Heading, std::move(text), {}, {}, {}, {}};
}
inline PrintLine singleRule() { return {PrintLine::Kind::SingleRule, {}, {}, {}, {}, {}}; }
inline PrintLine doubleRule() { return {PrintLine::Kind::DoubleRule, {}, {}, {}, {}, {}}; }
inline PrintLine valueLine(std::string label, std::string symbol, std::string unit, std::string value) {
  return {PrintLine::Kind::Value, std::move(label), std::move(symbol), std::move(unit), std::move(value), {}};
}
inline PrintLine pairLine(std::string label, std::string symbol, std::string unit, std::string shaft,
                          std::string hub) {
  return {PrintLine::Kind::Pair, std::move(label), std::move(symbol), std::move(unit), std::move(shaft),
          std::move(hub)};
}

}  // namespace vx11
