#include "golden.h"

#include "base/text.h"
#include "tests/support/golden.h"

namespace vx11::test {

void expectGolden(const std::string& name, const std::string& stream_text) {
  // File names in a stream are marked for the conversion to the window; the golden files show
  // them as the converted copy does, as the file system gives them.
  expect_golden_file(VX11_TEST_DIR "/report/golden/" + name, plainNames(stream_text), name);
}

}  // namespace vx11::test
