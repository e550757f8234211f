// Configuration file from any bytes: what is read writes a file that reads back to the same settings.
#include <sstream>

#include "fuzz/fuzz_check.h"
#include "fuzz/file_compare.h"
#include "project/configuration.h"

using namespace vx11;

namespace {

Configuration read_text(const std::string& text) {
  const ScreenMetrics screen;
  Configuration c = default_configuration("/start");
  std::istringstream in(text);
  read_configuration(in, c, screen, "/start");
  return c;
}

std::string write_text(const Configuration& c) {
  std::ostringstream out;
  write_configuration(out, c, ProgramIdentity{});
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Configuration first = read_text(fuzz::bytes(data, size));
  const std::string written = write_text(first);
  const Configuration second = read_text(written);
  // Reals pass through their file text, so the settings match exactly once they have been written.
  const std::string rewritten = write_text(second);
  fuzz::require(fuzz::same_values(rewritten, written), "a written configuration reads back to the same settings");
  fuzz::require(read_text(rewritten) == second, "a written configuration reads back equal");
  return 0;
}
