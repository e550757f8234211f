// Inputs the fuzz runs found in the configuration reader, kept as regression cases.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "project/configuration.h"

namespace vx11 {
namespace {

const ScreenMetrics kScreen;

std::string write_text(const Configuration& c) {
  std::ostringstream out;
  write_configuration(out, c, ProgramIdentity{});
  return out.str();
}

Configuration read_text(const std::string& text) {
  Configuration c = default_configuration("/start");
  std::istringstream in(text);
  read_configuration(in, c, kScreen, "/start");
  return c;
}

// The file with the value line after `label` replaced.
std::string with_value(std::string text, const std::string& label, const std::string& value) {
  const auto at = text.find("\r\n" + label + "\r\n");
  EXPECT_NE(at, std::string::npos) << label;
  const auto from = at + label.size() + 4;
  return text.replace(from, text.find("\r\n", from) - from, value);
}

// A real too small for the file's digits was kept on reading, written as zero, and then read as
// the entry's default: the saved file did not read back to the settings it was saved from.
TEST(ConfigurationFuzzFix, RealsWrittenAsZeroReadAsTheirDefault) {
  struct Case {
    const char* name;
    const char* label;
    const char* value;
    Real Configuration::*entry;
    Real expected;
  };
  const std::vector<Case> cases = {
      {"text width factor", "Textbreitenfaktor CAD", "0.000000001", &Configuration::cad_text_width_factor, 1},
      {"negative tiny", "Textbreitenfaktor CAD", "-0.00000002", &Configuration::cad_text_width_factor, 1},
      {"zoom factor", "Zoomfaktor", "1E-12", &Configuration::zoom_factor, 1.02L},
      {"kept when written", "Zoomfaktor", "0.0000001", &Configuration::zoom_factor, 0.0000001L},
  };
  const std::string defaults = write_text(default_configuration("/start"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Configuration first = read_text(with_value(defaults, c.label, c.value));
    EXPECT_NEAR(static_cast<double>(first.*c.entry), static_cast<double>(c.expected), 1e-18);
    const Configuration second = read_text(write_text(first));
    EXPECT_TRUE(second == first) << "a saved configuration reads back to the same settings";
  }
}

// More decimals write more digits, so the same value is kept where the file shows it.
TEST(ConfigurationFuzzFix, TheDecimalsSettingDecidesWhatTheFileHolds) {
  struct Case {
    int decimals;
    Real expected;
  };
  for (const Case& k : {Case{3, 1}, Case{9, 0.00000003L}}) {
    SCOPED_TRACE(k.decimals);
    Configuration c = default_configuration("/start");
    c.decimals = k.decimals;
    const Configuration first = read_text(with_value(write_text(c), "Textbreitenfaktor CAD", "0.00000003"));
    EXPECT_NEAR(static_cast<double>(first.cad_text_width_factor), static_cast<double>(k.expected), 1e-18);
    EXPECT_TRUE(read_text(write_text(first)) == first);
  }
}

}  // namespace
}  // namespace vx11
