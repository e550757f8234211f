// Replaying the display list onto devices that only paint.
#include "draw/graphics_surface.h"
#include "draw/replay.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

std::string px(PixelPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
std::string rgb(Rgb c) { return std::to_string(c.r) + "/" + std::to_string(c.g) + "/" + std::to_string(c.b); }

class LogDevice : public ReplayDevice {
 public:
  std::vector<std::string> log;
  void setColour(Rgb c) override { log.push_back("colour " + rgb(c)); }
  void setLineStyle(int s) override { log.push_back("style " + std::to_string(s)); }
  void setLineWidth(int w) override { log.push_back("width " + std::to_string(w)); }
  void line(PixelPoint a, PixelPoint b) override { log.push_back("line " + px(a) + " " + px(b)); }
  void ellipse(PixelPoint a, PixelPoint b) override { log.push_back("ellipse " + px(a) + " " + px(b)); }
  void arc(PixelPoint a, PixelPoint b, PixelPoint s, PixelPoint e) override {
    log.push_back("arc " + px(a) + " " + px(b) + " " + px(s) + " " + px(e));
  }
  void polygon(const std::array<PixelPoint, 4>& c, Rgb fill) override {
    log.push_back("polygon " + px(c[0]) + " " + px(c[1]) + " " + px(c[2]) + " " + px(c[3]) + " " + rgb(fill));
  }
  void text(PixelPoint at, const TextLook& look, std::string_view s) override {
    log.push_back("text " + px(at) + " h" + std::to_string(look.height) + " e" + std::to_string(look.escapement) +
                  " " + rgb(look.colour) + " " + std::string(s));
  }
};

struct ReplayProbe : SurfaceProbe {
  LogDevice window;
  ReplayProbe() {
    g.width = 100;
    g.height = 75;
    s.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 75);  // one pixel per unit
    g.zx1 = 0, g.zy1 = 0, g.zx2 = 100, g.zy2 = 75;
  }
};

TEST(Replay, DevicesReceiveMappedElements) {
  ReplayProbe p;
  p.s.line(0, 0, 10, 10);
  p.s.circle(50, 30, 5);
  p.s.SetColor(4);
  p.s.Solid(0, 0, 10, 0, 10, 10, 0, 10);
  p.s.SetTextStyle(2, 90, 5, 4);
  p.s.OutTextXY(20, 20, "a;b");
  p.s.SetLineWidth(2);
  replayDisplayList(p.g, p.list, p.window, nullptr, p.cancelled);
  EXPECT_FALSE(p.cancelled);
  EXPECT_EQ(p.window.log, (std::vector<std::string>{
                              "width 1", "line 0,75 10,65", "ellipse 45,40 55,50", "colour 255/0/0",
                              "polygon 0,75 10,75 10,65 0,65 255/0/0",
                              // height 5 * 1.6; anchor moved across the base line by the angle
                              "text 14,55 h8 e900 255/0/0 a;b", "width 2"}));
}

TEST(Replay, MonochromeBackgroundAndPrinter) {
  ReplayProbe p;
  p.g.colour_graphics = false;
  p.g.background = {1, 2, 3};
  p.g.print_frame = true;
  p.s.SetColor(4);
  p.s.OutTextXY(0, 0, "x");
  p.s.SetColor(0);
  p.s.SetLineWidth(3);
  LogDevice printer;
  PrinterPage page{&printer, 200, 150};
  replayDisplayList(p.g, p.list, p.window, &page, p.cancelled);
  EXPECT_EQ(p.window.log, (std::vector<std::string>{"width 1", "colour 0/0/0", "text 0,72 h4 e0 0/0/0 x",
                                                    "colour 1/2/3", "width 3"}));
  ASSERT_GE(printer.log.size(), 5u);
  EXPECT_EQ(printer.log[0], "width 4");
  EXPECT_EQ(printer.log[1], "line 0,150 0,0");  // the frame round the world window
  EXPECT_EQ(printer.log.back(), "width 12");
}

TEST(Replay, DegenerateWindowEndsTheReplay) {
  ReplayProbe p;
  p.s.line(0, 0, 1, 1);
  p.s.SetWindow(false, false, 0, 0, 1, 1, 3, 0, 3, 1);
  p.cancelled = false;
  p.s.line(0, 0, 2, 2);
  replayDisplayList(p.g, p.list, p.window, nullptr, p.cancelled);
  EXPECT_TRUE(p.cancelled);
  EXPECT_EQ(p.window.log.size(), 2u);  // pen width and the first line
}

TEST(Replay, ZoomSurvivesWindowRecords) {
  ReplayProbe p;
  p.s.line(0, 0, 10, 0);
  p.s.SetScale(0, 0, 50, 37);  // zoom in about twice
  replayDisplayList(p.g, p.list, p.window, nullptr, p.cancelled);
  EXPECT_EQ(p.window.log.back(), "line 0,75 20,75");
}

}  // namespace
}  // namespace vx11::test
