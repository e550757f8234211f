// Configuration file from any bytes: what is read writes a file that reads back to the same settings.
#include <sstream>

#include "fuzz/fuzz_check.h"
#include "project/configuration.h"
#include "report/format.h"
#include "report/value_lines.h"

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

// Two files hold the same settings when every line is equal or both lines are the same number
// ("0.0000000" and "0": a value too small for the digits is written either way).
bool same_settings(const std::string& a, const std::string& b) {
  std::istringstream in_a(a), in_b(b);
  ValueLineReader ra(in_a), rb(in_b);
  std::string la, lb;
  for (;;) {
    const bool more_a = ra.next(la), more_b = rb.next(lb);
    if (more_a != more_b) return false;
    if (!more_a) return true;
    if (la == lb) continue;
    const bool numbers = la.find_first_not_of("+-.0123456789") == std::string::npos &&
                         lb.find_first_not_of("+-.0123456789") == std::string::npos;
    if (!numbers || parseReal(la) != parseReal(lb)) return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Configuration first = read_text(fuzz::bytes(data, size));
  const std::string written = write_text(first);
  const Configuration second = read_text(written);
  // Reals pass through their file text, so the settings match exactly once they have been written.
  const std::string rewritten = write_text(second);
  fuzz::require(same_settings(rewritten, written), "a written configuration reads back to the same settings");
  fuzz::require(read_text(rewritten) == second, "a written configuration reads back equal");
  return 0;
}
