#include <gtest/gtest.h>

#include <sstream>

#include "cad/drawing_output.h"
#include "draw/hatch_contour.h"
#include "draw/hatch_drawing_output.h"
#include "base/interaction.h"
#include "tests/support/drawing_world.h"

namespace vx11 {
namespace {

TEST(HatchDrawingOutput, HatchLinesReachTheListing) {
  test::DrawingWorld<ScriptedInteraction, CommandLineStarter> world(::testing::TempDir());
  DrawingOutput& out = world.out;
  MessageList& messages = world.messages;
  bool& cancelled = world.cancelled;

  auto listing = [&](int mode) {
    std::stringstream text, scratch;
    out.OpenOutputOn(kOutListing, text, "probe", &scratch);
    HatchDrawingOutput adapter(out);
    Hatching hatch(adapter, messages, cancelled);
    hatch.HatchMode(mode);
    hatch.HatchRect(0, 0, 10, 10, 2, 45);
    out.CloseOutput();
    return text.str();
  };
  const std::string outline_and_lines = listing(1);
  const std::string lines_only = listing(2);
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(messages.count(), 0);
  auto count = [](const std::string& text) {
    std::size_t n = 0;
    for (std::size_t at = text.find("LINE\t"); at != std::string::npos; at = text.find("LINE\t", at + 1)) ++n;
    return n;
  };
  // Mode 2: the seven hatch lines alone; mode 1 adds the outline.
  EXPECT_EQ(count(lines_only), 7u);
  EXPECT_NE(lines_only.find("LINE\t7.171573\t0.000000\t10.000000\t2.828427"), std::string::npos);
  EXPECT_GT(count(outline_and_lines), 7u);
}

}  // namespace
}  // namespace vx11
