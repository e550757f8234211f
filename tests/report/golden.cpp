#include "golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "base/text.h"
#include "test_support.h"

namespace vx11::test {

namespace {

bool regenerating() {
  const char* v = std::getenv("VX11_REGENERATE");
  return v != nullptr && std::string_view(v) == "1";
}

// 1-based number of the first line where the texts differ, and both lines.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::size_t line = 1, start = 0;
  const std::size_t n = std::min(expected.size(), actual.size());
  std::size_t i = 0;
  for (; i < n && expected[i] == actual[i]; ++i) {
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

}  // namespace

void expectGolden(const std::string& name, const std::string& stream_text) {
  // File names in a stream are marked for the conversion to the window; the golden files show
  // them as the converted copy does, as the file system gives them.
  const std::string actual = plainNames(stream_text);
  const std::string path = VX11_TEST_DIR "/report/golden/" + name;
  if (regenerating()) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeBytes(path, actual);
    std::cout << "regenerated " << path << '\n';
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing; run with VX11_REGENERATE=1 and review it";
  const std::string expected = readBytes(path);
  EXPECT_TRUE(expected == actual) << name << " differs at " << firstDifference(expected, actual);
}

}  // namespace vx11::test
