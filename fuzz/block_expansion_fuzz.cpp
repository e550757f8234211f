// The screen expansion of block files from any bytes: it ends (nesting is limited), reports a damaged
// file instead of drawing from it, and draws only finite coordinates.
#include <unistd.h>

#include <cmath>
#include <fstream>

#include "cad/drawing_output.h"
#include "draw/display_list.h"
#include "fuzz/fuzz_check.h"
#include "tests/support/drawing_world.h"

using namespace vx11;

namespace {

const std::string& work_folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/vx11_fuzz_blocks_XXXXXX";
    fuzz::require(::mkdtemp(pattern) != nullptr, "a work folder");
    return std::string(pattern);
  }();
  return folder;
}

class NoStarter : public CommandLineStarter {
 public:
  int start(std::string_view) override { return kStarted; }
};

void write_block(const std::string& name, std::string_view bytes) {
  std::ofstream(work_folder() + "/$" + name + ".dx$", std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Two block files, A and B, split at the first zero byte; each may insert the other or itself.
  const std::string input = fuzz::bytes(data, size);
  const auto [a, b] = fuzz::split_at(input, '\0');
  write_block("A", a);
  write_block("B", b);

  test::DrawingWorld<BatchInteraction, NoStarter> world(work_folder());
  world.ui.echo = false;
  DrawingOutput& out = world.out;
  DisplayList& list = world.list;
  out.OpenOutput(kOutScreen);
  out.DrawingHeader(0, 0, 200, 100);
  out.BeginEntities();
  list.clear();
  out.InsertBlock("A", 10, 20, 30, 2, 0.5L);
  out.CloseOutput();

  for (std::size_t i = 0; i < list.size(); ++i) {
    DisplayRecord r;
    fuzz::require(parseDisplayRecord(list.record(i), r), "every record drawn replays");
    for (int k = 0; k < r.count; ++k) fuzz::require(std::isfinite(r.v[static_cast<std::size_t>(k)]), "only finite values are drawn");
  }
  return 0;
}
