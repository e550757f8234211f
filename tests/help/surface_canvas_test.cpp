// Help pictures recorded into the display list of the graphics surface.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "draw/graphics_surface.h"
#include "draw/replay.h"
#include "help/help_show.h"
#include "help/surface_canvas.h"
#include "base/interaction.h"
#include "tests/cad/cad_fixture.h"

namespace vx11 {
namespace {

struct Surface : test::SurfaceProbe {
  SurfaceHelpCanvas canvas{s};

  // Records after the help window's own (window, line style).
  std::vector<std::string> drawn() const {
    auto r = records();
    return r.size() < 2 ? std::vector<std::string>{} : std::vector<std::string>(r.begin() + 2, r.end());
  }
};

TEST(SurfaceHelpCanvas, WorldWindowIsRecordedAndSurvivesClear) {
  Surface t;
  t.canvas.setWorldWindow(120, 160);
  t.canvas.lineTo(10, 10);
  t.canvas.clear();
  const auto r = t.records();
  ASSERT_EQ(r.size(), 2u);
  // The viewport is the framed 640 by 480 area, the world the help window.
  EXPECT_EQ(r[0], "10;1;1;639;479;0;0;120;160");
  EXPECT_EQ(r[1], "11;0");
  EXPECT_EQ(t.g.wx2, 120);
  EXPECT_EQ(t.g.wy2, 160);
}

TEST(SurfaceHelpCanvas, ClearBeforeAnyWindowLeavesTheListEmpty) {
  Surface t;
  t.s.line(0, 0, 1, 1);
  t.canvas.clear();
  EXPECT_TRUE(t.list.empty());
}

TEST(SurfaceHelpCanvas, ElementsBecomeRecords) {
  struct Case {
    const char* name;
    void (*draw)(SurfaceHelpCanvas&);
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"line from the current point",
       [](SurfaceHelpCanvas& c) {
         c.moveTo(1, 2);
         c.lineTo(3, 4);
         c.lineTo(5, 2);
       },
       {"4;1;2;3;4", "4;3;4;5;2"}},
      {"pen colour, repeated colour recorded once",
       [](SurfaceHelpCanvas& c) {
         c.selectPen(1, 12);
         c.selectPen(1, 12);
         c.selectPen(2, 14);
       },
       {"8;12", "8;14"}},
      {"circle; one of radius 0 is left out",
       [](SurfaceHelpCanvas& c) {
         c.circle(10, 20, 5);
         c.circle(10, 20, 0);
       },
       {"3;10;20;5"}},
      {"counter-clockwise arc",
       [](SurfaceHelpCanvas& c) { c.arc(10, 10, 5, 0, 90); },
       {"5;5;5;15;15;15;10;10;15"}},
      {"clockwise arc is drawn from its far end",
       [](SurfaceHelpCanvas& c) { c.arc(10, 10, 5, 90, -90); },
       {"5;5;5;15;15;15;10;10;15"}},
      {"full turn either way is a circle",
       [](SurfaceHelpCanvas& c) {
         c.arc(0, 0, 2, 45, 360);
         c.arc(0, 0, 3, 45, -360);
       },
       {"3;0;0;2", "3;0;0;3"}},
      {"label: style, then text with its code page 850 bytes",
       [](SurfaceHelpCanvas& c) { c.text(5, 6, "H\x84he", 2.1L, 3, 90); },
       {"9;3;2.1;2;90", "6;5;6;H\x84he"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surface t;
    t.canvas.setWorldWindow(120, 160);
    c.draw(t.canvas);
    EXPECT_EQ(t.drawn(), c.expected);
  }
}

// Counts what a replay paints and whether it stays on the drawing area.
class BoundsDevice : public ReplayDevice {
 public:
  void setColour(Rgb) override {}
  void setLineStyle(int) override {}
  void setLineWidth(int) override {}
  void line(PixelPoint a, PixelPoint b) override {
    check(a);
    check(b);
    ++lines;
  }
  void ellipse(PixelPoint a, PixelPoint b) override {
    check(a);
    check(b);
  }
  void arc(PixelPoint a, PixelPoint b, PixelPoint, PixelPoint) override {
    check(a);
    check(b);
  }
  void polygon(const std::array<PixelPoint, 4>&, Rgb) override {}
  void text(PixelPoint at, const TextLook&, std::string_view s) override {
    check(at);
    texts.emplace_back(s);
  }
  void check(PixelPoint p) {
    if (p.x < 0 || p.x > 640 || p.y < 0 || p.y > 480) outside = true;
  }
  int lines = 0;
  bool outside = false;
  std::vector<std::string> texts;
};

TEST(SurfaceHelpCanvas, ShippedPictureReplaysOnTheDrawingArea) {
  Surface t;
  ScriptedInteraction ui;
  t.g.zx2 = 640;
  t.g.zy2 = 480;
  drawHelpPicture(t.canvas, std::string(VX11_DATA_DIR) + "/ka.plt", t.cancelled, ui);
  EXPECT_TRUE(ui.shown.empty());
  ASSERT_GT(t.list.size(), 20u);
  EXPECT_EQ(std::string(t.list.record(0)), "10;1;1;639;479;0;0;120;160");
  for (std::size_t i = 0; i < t.list.size(); ++i) {
    DisplayRecord r;
    EXPECT_TRUE(parseDisplayRecord(t.list.record(i), r)) << t.list.record(i);
  }
  BoundsDevice device;
  bool cancelled = false;
  replayDisplayList(t.g, t.list, device, nullptr, cancelled);
  EXPECT_FALSE(cancelled);
  EXPECT_GT(device.lines, 20);
  EXPECT_FALSE(device.outside);
  EXPECT_NE(std::find(device.texts.begin(), device.texts.end(), "Anwendungsfaktor KA"), device.texts.end());
}

TEST(SurfaceHelpCanvas, MissingPictureLeavesTheEmptyHelpWindow) {
  Surface t;
  ScriptedInteraction ui;
  t.s.line(0, 0, 1, 1);
  drawHelpPicture(t.canvas, "/nonexistent/x.plt", t.cancelled, ui);
  EXPECT_EQ(ui.shown.size(), 1u);
  ASSERT_EQ(t.list.size(), 2u);
  EXPECT_EQ(std::string(t.list.record(0)), "10;1;1;639;479;0;0;120;160");
}

}  // namespace
}  // namespace vx11
