// Comparison with reviewed golden files in tests/report/golden; VX11_REGENERATE=1 rewrites them.
#pragma once

#include <string>

namespace vx11::test {

// Adds a test failure naming the first differing line unless `actual` equals the golden file's bytes.
void expectGolden(const std::string& name, const std::string& actual);

}  // namespace vx11::test
