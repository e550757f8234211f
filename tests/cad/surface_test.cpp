// The recording half of the drawing surface: records, filters, windows, scales, zoom and pan.
#include <cmath>

#include "draw/display_list.h"
#include "draw/graphics_surface.h"
#include "draw/mapping.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

TEST(DisplayList, RealsWithEightSignificantDigits) {
  struct Case {
    const char* name;
    Real x;
    const char* text;
  } cases[] = {{"zero", 0, "0"},
               {"integer", 639, "639"},
               {"negative", -0.5L, "-0.5"},
               {"eight digits", 88.66025403784L, "88.660254"},
               {"rounding up", 1.999999999L, "2"},
               {"small", 0.000123456789L, "0.00012345679"},
               {"large", 123456789, "1.2345679e+08"},
               {"tiny", 1e-9L, "1e-09"}};
  for (const auto& c : cases) {
    std::string s;
    appendGeneral8(s, c.x);
    EXPECT_EQ(s, c.text) << c.name;
  }
}

TEST(DisplayList, RecordsReadBackWithTheirFields) {
  SurfaceProbe p;
  p.s.line(1, 2, 3, 4.5L);
  p.s.OutTextXY(5, 6, "a;b;c");
  p.s.circle(1, 1, 0.25L);
  DisplayRecord r;
  ASSERT_TRUE(parseDisplayRecord(p.list.record(0), r));
  EXPECT_EQ(r.code, kRecLine);
  EXPECT_EQ(r.count, 4);
  EXPECT_DOUBLE_EQ(r.v[3], 4.5);
  ASSERT_TRUE(parseDisplayRecord(p.list.record(1), r));
  EXPECT_EQ(r.code, kRecText);
  EXPECT_EQ(r.text, "a;b;c");  // a text with ";" is replayed whole
  ASSERT_TRUE(parseDisplayRecord(p.list.record(2), r));
  EXPECT_EQ(r.count, 3);
  for (const char* bad : {"", "x;1", "4;1;2;3", "4;1;2;3;4;5", "8;a", "99;1", "6;1"})
    EXPECT_FALSE(parseDisplayRecord(bad, r)) << bad;
}

TEST(GraphicsSurface, FiltersKeepRedundantRecordsOut) {
  SurfaceProbe p;
  p.s.SetColor(4);
  p.s.SetColor(4);   // the current colour
  p.s.SetColor(17);  // above the highest colour
  p.s.SetLineStyle(99);
  p.s.SetLineStyle(2);
  p.s.SetLineWidth(1);
  p.s.SetLineWidth(3);
  p.s.SetColorAcad(1);  // exchange red is colour index 12
  EXPECT_EQ(p.records(), (std::vector<std::string>{"8;4", "11;2", "12;3", "8;12"}));
  p.s.Clear();
  p.s.SetColor(12);  // the new list starts from nothing
  EXPECT_EQ(p.records(), (std::vector<std::string>{"8;12"}));
}

TEST(GraphicsSurface, ShortArcsBecomeChords) {
  struct Case {
    const char* name;
    Real a1, a2;
    const char* record;
  } cases[] = {{"quarter", 0, 90, "5;-1;-1;1;1;1;0;6.1232340e-17;1"},
               {"three degrees", 0, 3, "4;1;0;0.99862953;0.052335956"},
               {"full turn", 0, 360, "4;1;0;1;-2.4492936e-16"},
               {"across zero", 358, 10, "5;-1;-1;1;1;0.99939083;-0.034899497;0.98480775;0.17364818"}};
  for (const auto& c : cases) {
    SurfaceProbe p;
    p.s.Arc(0, 0, c.a1, c.a2, 1);
    ASSERT_EQ(p.list.size(), 1u) << c.name;
    DisplayRecord want, got;
    ASSERT_TRUE(parseDisplayRecord(c.record, want));
    ASSERT_TRUE(parseDisplayRecord(p.list.record(0), got)) << c.name;
    EXPECT_EQ(got.code, want.code) << c.name;
    for (int i = 0; i < want.count; ++i) EXPECT_NEAR(got.v[i], want.v[i], 1e-7) << c.name << " field " << i;
  }
}

TEST(GraphicsSurface, WindowRecordAndScales) {
  SurfaceProbe p;
  p.g.width = 800;
  p.g.height = 600;
  p.s.SetWindow(true, true, 0, 0, 1, 1, 0, 0, 400, 300);
  EXPECT_EQ(p.records(), (std::vector<std::string>{"10;1;1;799;599;0;0;400;300"}));
  // 4:3 area: the y scale is the smaller and serves x too
  EXPECT_NEAR(static_cast<double>(p.g.sx), 598.0 / 300, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.g.sy), 598.0 / 300, 1e-12);
  EXPECT_EQ(toWindow(p.g, 0, 0), (PixelPoint{1, 599}));
  EXPECT_FALSE(p.cancelled);
}

TEST(GraphicsSurface, KeepAspectGivesBothAxesTheSmallerScaleOnAnyArea) {
  SurfaceProbe p;
  p.g.width = 1000;  // not 4:3: circles stay round all the same
  p.g.height = 500;
  p.s.SetWindow(true, false, 0, 0, 1, 1, 0, 0, 100, 100);
  // sy = 5, sx would be 10: the smaller serves both
  EXPECT_NEAR(static_cast<double>(p.g.sx), 5.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.g.sy), 5.0, 1e-12);
  p.g.width = 300;  // now x is the smaller
  p.s.SetWindow(true, false, 0, 0, 1, 1, 0, 0, 100, 100);
  EXPECT_NEAR(static_cast<double>(p.g.sx), 3.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.g.sy), 3.0, 1e-12);
  p.s.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 100);
  EXPECT_NEAR(static_cast<double>(p.g.sx), 3.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.g.sy), 5.0, 1e-12);
}

TEST(GraphicsSurface, DegenerateWindowCancels) {
  SurfaceProbe p;
  p.s.SetWindow(true, false, 0, 0, 1, 1, 5, 0, 5, 10);
  EXPECT_TRUE(p.cancelled);
  EXPECT_EQ(p.list.size(), 1u);
}

TEST(GraphicsSurface, HeaderSavesTheLimitsAndResetsTheStyle) {
  SurfaceProbe p;
  p.g.width = 640;
  p.g.height = 480;
  p.s.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 1, 1);
  p.s.Header(0, 0, 297, 210);
  EXPECT_NEAR(static_cast<double>(p.g.aspect_factor), 640.0 / 480, 1e-12);  // of the unit window before
  EXPECT_EQ(p.g.saved_limits, (std::array<Real, 4>{0, 0, 297, 210}));
  EXPECT_EQ(p.records().back(), "11;0");
  p.s.ReSetWindow();
  p.s.RestoreLimit();
  EXPECT_EQ(p.records().back(), "10;1;1;639;479;0;0;297;210");
}

TEST(Zoom, KeysMoveAndScaleTheZoomRectangle) {
  GraphicsState g;
  g.vx1 = 0, g.vy1 = 0, g.vx2 = 640, g.vy2 = 480;
  g.zx1 = 100, g.zy1 = 100, g.zx2 = 300, g.zy2 = 200;
  g.pan_factor = 0.1L;
  g.zoom_factor = 2;
  struct Case {
    const char* name;
    ZoomKey key;
    ZoomRect want;
  } cases[] = {{"reset", ZoomKey::Reset, {0, 0, 640, 480}},     {"up", ZoomKey::Up, {100, 90, 300, 190}},
               {"down", ZoomKey::Down, {100, 110, 300, 210}},   {"left", ZoomKey::Left, {120, 100, 320, 200}},
               {"right", ZoomKey::Right, {80, 100, 280, 200}},  {"page up", ZoomKey::PageUp, {100, 50, 300, 150}},
               {"page down", ZoomKey::PageDown, {100, 150, 300, 250}},
               {"zoom in", ZoomKey::ZoomIn, {150, 125, 250, 175}}, {"zoom out", ZoomKey::ZoomOut, {0, 50, 400, 250}}};
  for (const auto& c : cases) EXPECT_EQ(zoomAfterKey(g, c.key), c.want) << c.name;
  // A step a person sees: 0 counts as 1, and anything below 1.25 (or its inverse) takes 1.25.
  for (const Real f : {0.0L, 1.02L, 1 / 1.02L}) {
    g.zoom_factor = f;
    EXPECT_EQ(zoomAfterKey(g, ZoomKey::ZoomIn), (ZoomRect{120, 110, 280, 190})) << static_cast<double>(f);
  }
  g.zoom_factor = 0.5L;  // counts as 2
  EXPECT_EQ(zoomAfterKey(g, ZoomKey::ZoomIn), (ZoomRect{150, 125, 250, 175}));
}

TEST(Zoom, AboutAPointKeepsTheDrawingPointUnderIt) {
  GraphicsState g;
  g.width = 800;
  g.height = 400;
  g.vx1 = 0, g.vy1 = 0, g.vx2 = 800, g.vy2 = 400;
  g.wx1 = 0, g.wy1 = 0, g.wx2 = 100, g.wy2 = 100;
  deriveScale(g, 0, 0, 800, 400);
  for (const auto& [px, py] : {std::pair{100, 300}, {700, 20}, {400, 200}}) {
    GraphicsState z = g;
    const Real x = z.xa + (px - z.vx1) / z.sx, y = z.ya + (z.vy2 - py) / z.sy;
    const ZoomRect r = zoomAbout(z, px, py, 2);
    deriveScale(z, r.x1, r.y1, r.x2, r.y2);
    EXPECT_NEAR(static_cast<double>(z.sx), 2 * static_cast<double>(g.sx), 0.05);
    const PixelPoint after = toWindow(z, x, y);
    EXPECT_NEAR(after.x, px, 2) << px << "," << py;
    EXPECT_NEAR(after.y, py, 2) << px << "," << py;
  }
  EXPECT_EQ(zoomAbout(g, 10, 10, 1e9L), zoomRect(g));  // a rectangle that would collapse is kept
}

TEST(Zoom, RubberBandChoosesTheRectangleUnderThePointer) {
  GraphicsState g;
  g.zx1 = 0, g.zy1 = 0, g.zx2 = 640, g.zy2 = 480;
  g.keep_aspect = false;
  ZoomRect z;
  ASSERT_TRUE(zoomFromBand(g, 640, 480, 300, 100, 100, 300, z));
  EXPECT_EQ(z, (ZoomRect{100, 180, 300, 380}));
  g.keep_aspect = true;
  g.aspect_factor = 2;
  ASSERT_TRUE(zoomFromBand(g, 640, 480, 100, 100, 300, 300, z));
  EXPECT_EQ(z.x1, 200);
  EXPECT_EQ(z.x2, 600);
  EXPECT_FALSE(zoomFromBand(g, 640, 480, 100, 100, 100, 300, z));  // no width
}

TEST(Zoom, WindowRecordAfterZoomKeepsTheZoom) {
  SurfaceProbe p;
  p.s.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 640, 480);
  p.s.SetScale(0, 0, 320, 240);
  EXPECT_NEAR(static_cast<double>(p.g.sx), 2.0, 1e-12);
  // The replay applies a window record with the current zoom rectangle.
  deriveScale(p.g, p.g.zx1, p.g.zy1, p.g.zx2, p.g.zy2);
  EXPECT_EQ(zoomRect(p.g), (ZoomRect{0, 0, 320, 240}));
  EXPECT_NEAR(static_cast<double>(p.g.sx), 2.0, 1e-12);
}

TEST(Mapping, PrinterPageUsesMarginsAndStretch) {
  GraphicsState g;
  g.width = 640, g.height = 480;
  g.vx1 = 0, g.vy1 = 0, g.vx2 = 640, g.vy2 = 480;
  g.xa = 0, g.ya = 0, g.sx = 1, g.sy = 1;
  g.margin_x_mm = 21, g.margin_y_mm = 42;
  g.stretch_x = 1, g.stretch_y = 1;
  // 2100 by 2970 pixels: 10 pixels per millimetre, both margins by the page width. The area takes
  // the page's width, and the same factor (2100 / 640) serves y: the print keeps the proportions.
  EXPECT_EQ(toPrinter(g, 2100, 2970, 320, 240), (PixelPoint{210 + 1050, 420 + 788}));
  EXPECT_EQ(printerFontHeight(g, 2100, 2970, 48), 158);
  EXPECT_EQ(printerFontWidth(g, 2100, 2970, 48), 158);
  // A landscape page: the height decides.
  EXPECT_EQ(toPrinter(g, 2970, 960, 320, 480), (PixelPoint{297 + 640, 594 + 0}));
  g.stretch_y = 2;  // a deliberate stretch still stretches
  EXPECT_EQ(toPrinter(g, 2970, 960, 320, 0), (PixelPoint{297 + 640, 594 + 1920}));
  EXPECT_EQ(windowFontHeight(g, 3.6L), 4);
}

TEST(Colours, TableAndExchangeNumbers) {
  EXPECT_EQ(colourOfIndex(6), (Rgb{128, 0, 0}));
  EXPECT_EQ(colourOfIndex(16), (Rgb{0, 0, 0}));
  struct Case {
    int n, index;
  } cases[] = {{0, 0}, {1, 12}, {2, 14}, {3, 10}, {4, 11}, {5, 9}, {6, 13}, {7, 15}, {8, 1}, {15, 8}, {16, 12}, {31, 9}};
  for (const auto& c : cases) EXPECT_EQ(GetColorTurbo(c.n), c.index) << c.n;
}

}  // namespace
}  // namespace vx11::test
