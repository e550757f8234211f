#include "tests/support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "tests/support/files.h"

namespace vx11::test {

bool regenerating() {
  const char* v = std::getenv("VX11_REGENERATE");
  return v != nullptr && std::string_view(v) == "1";
}

std::string first_difference(const std::string& expected, const std::string& actual) {
  std::size_t line = 1, start = 0;
  const std::size_t n = std::min(expected.size(), actual.size());
  for (std::size_t i = 0; i < n && expected[i] == actual[i]; ++i) {
    if (expected[i] == '\n') {
      ++line;
      start = i + 1;
    }
  }
  const auto lineAt = [&](const std::string& s) {
    const auto end = s.find('\n', start);
    return s.substr(start, end == std::string::npos ? std::string::npos : end - start);
  };
  return "line " + std::to_string(line) + ":\n  expected: " + lineAt(expected) + "\n  actual:   " + lineAt(actual);
}

void expect_golden_file(const std::filesystem::path& golden, const std::string& actual, const std::string& label) {
  if (regenerating()) {
    std::filesystem::create_directories(golden.parent_path());
    write_file(golden, actual);
    std::cout << "regenerated " << golden.string() << '\n';
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(golden))
      << golden.string() << " is missing; run with VX11_REGENERATE=1 and review it";
  const std::string expected = read_file(golden);
  EXPECT_TRUE(expected == actual) << label << " differs at " << first_difference(expected, actual);
}

}  // namespace vx11::test
