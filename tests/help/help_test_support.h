// Shared pieces of the help tests: a sink that records HP-GL drawing calls.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "help/hpgl_sink.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

// Every call as one short text, coordinates rounded to 0.001 mm.
class RecordingSink : public HelpCanvas {
 public:
  void clear() override { calls.push_back("clear"); }
  void setWorldWindow(Real w, Real h) override { calls.push_back("world " + n(w) + " " + n(h)); }
  void moveTo(Real x, Real y) override { add("move", x, y); }
  void lineTo(Real x, Real y) override { add("line", x, y); }
  void selectPen(int pen, int colour) override {
    calls.push_back("pen " + std::to_string(pen) + " " + std::to_string(colour));
  }
  void circle(Real cx, Real cy, Real r) override { calls.push_back("circle " + n(cx) + " " + n(cy) + " " + n(r)); }
  void arc(Real cx, Real cy, Real r, Real start, Real sweep) override {
    calls.push_back("arc " + n(cx) + " " + n(cy) + " " + n(r) + " " + n(start) + " " + n(sweep));
  }
  void text(Real x, Real y, std::string_view t, Real w, Real h, Real angle) override {
    calls.push_back("text " + n(x) + " " + n(y) + " '" + std::string(t) + "' " + n(w) + " " + n(h) + " " + n(angle));
  }

  // Calls after the opening clear and move to the origin.
  std::vector<std::string> drawn() const {
    return calls.size() < 2 ? std::vector<std::string>{} : std::vector<std::string>(calls.begin() + 2, calls.end());
  }

  std::vector<std::string> calls;
  bool all_finite = true;
  Real largest = 0;

 private:
  void add(const char* what, Real x, Real y) {
    if (!std::isfinite(x) || !std::isfinite(y)) all_finite = false;
    largest = std::max({largest, std::fabs(x), std::fabs(y)});
    calls.push_back(std::string(what) + " " + n(x) + " " + n(y));
  }
  static std::string n(Real v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3Lf", v);
    std::string s = buf;
    if (s == "-0.000") s = "0.000";
    while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.')) {
      const bool dot = s.back() == '.';
      s.pop_back();
      if (dot) break;
    }
    return s;
  }
};

}  // namespace vx11::test
