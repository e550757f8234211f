// Comparison with reviewed golden files. VX11_REGENERATE=1 rewrites them instead, on purpose; the
// difference is reviewed before it is committed.
#pragma once

#include <filesystem>
#include <string>

namespace vx11::test {

// True when VX11_REGENERATE=1 asks for the golden files to be rewritten.
bool regenerating();

// The 1-based number of the first line where the texts differ, with both lines, for a failure message.
std::string first_difference(const std::string& expected, const std::string& actual);

// Adds a test failure naming `label` and the first differing line unless `actual` equals the bytes
// of `golden` (a missing golden file is a fatal failure of this call); when regenerating, writes
// `actual` into `golden` instead.
void expect_golden_file(const std::filesystem::path& golden, const std::string& actual, const std::string& label);

}  // namespace vx11::test
