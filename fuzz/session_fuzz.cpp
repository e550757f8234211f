// Session file from any bytes: the recent-file list written again reads back unchanged.
#include <sstream>

#include "fuzz/fuzz_check.h"
#include "project/session.h"

using namespace vx11;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session first;
  std::istringstream in(fuzz::bytes(data, size));
  read_session_file(in, first);
  for (const auto& name : first.recent) fuzz::require(name.find('\n') == std::string::npos, "one line per name");

  std::ostringstream out;
  write_session_file(out, ProgramIdentity{}, first);
  Session second;
  std::istringstream back(out.str());
  read_session_file(back, second);
  fuzz::require(second.recent == first.recent, "the recent-file list reads back unchanged");
  for (int slot = 1; slot <= 4; ++slot) (void)recent_file_caption(first, slot);
  return 0;
}
