// The QPainter device of the replay: texts, angles, clipping, thin lines, arcs, fonts, printer pages.
#include "draw/qt/painter_device.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "draw/graphics_surface.h"
#include "draw/qt/painter_replay.h"
#include "draw/qt/pixel_lines.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

const QColor kWhite(255, 255, 255), kRed(255, 0, 0), kBlack(0, 0, 0);

QImage blank(int w = 200, int h = 200) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(kWhite);
  return img;
}

// The box of the pixels that are not white.
QRect inked(const QImage& img) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y) != kWhite) r |= QRect(x, y, 1, 1);
  return r;
}

TEST(PainterText, CodePageTextsAreShownConverted) {
  FormatSettings plain;
  plain.ascii_mode = true;
  struct Case {
    const char* name;
    const char* cp850;
    const FormatSettings* format;
    const char* utf8;
  };
  const Case cases[] = {
      {"umlaut", "Fl\x84" "che", nullptr, "Fläche"},
      {"sharp s and capital", "\x8E" "u\xE1" "ere Gr\x94\xE1" "e", nullptr, "Äußere Größe"},
      {"plain letters", "Fl\x84" "che", &plain, "Flaeche"},
      {"semicolon kept", "a;b", nullptr, "a;b"},
  };
  for (const Case& c : cases) EXPECT_EQ(shownText(c.cp850, c.format), QString::fromUtf8(c.utf8)) << c.name;
}

TEST(PainterGeometry, ScreenAnglesCountCounterClockwiseWithYDown) {
  struct Case {
    qreal x, y, degrees;
  };
  for (const Case c : {Case{10, 0, 0}, Case{0, -10, 90}, Case{-10, 0, 180}, Case{0, 10, 270}, Case{10, -10, 45}})
    EXPECT_NEAR(screenAngle(0, 0, c.x, c.y), c.degrees, 1e-9) << c.x << "," << c.y;
}

TEST(PainterGeometry, SegmentsAreClippedToTheImage) {
  struct Case {
    const char* name;
    double x1, y1, x2, y2;
    bool kept;
    double cx1, cy1, cx2, cy2;
  };
  const Case cases[] = {
      {"inside", 1, 2, 50, 60, true, 1, 2, 50, 60},
      {"horizontal through", -50, 10, 150, 10, true, 0, 10, 99, 10},
      {"far zoomed end", 50, 50, 1e7, 50, true, 50, 50, 99, 50},
      {"outside", -10, -10, -1, 50, false, 0, 0, 0, 0},
      {"past a corner", 120, -30, 130, 5, false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    double x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
    ASSERT_EQ(clipSegment(100, 100, x1, y1, x2, y2), c.kept) << c.name;
    if (!c.kept) continue;
    EXPECT_NEAR(x1, c.cx1, 1e-9) << c.name;
    EXPECT_NEAR(y1, c.cy1, 1e-9) << c.name;
    EXPECT_NEAR(x2, c.cx2, 1e-9) << c.name;
    EXPECT_NEAR(y2, c.cy2, 1e-9) << c.name;
  }
}

// Pixels set along row 10 of a line from x = 0 to 59 in a style.
std::string row_pattern(int style) {
  QImage img = blank(100, 20);
  PixelLines lines(img);
  lines.draw(0, 10, 59, 10, 0xFF000000u, style);
  std::string s;
  for (int x = 0; x < 60; ++x) s += img.pixelColor(x, 10) == kBlack ? '#' : '.';
  return s;
}

TEST(PainterLines, ThinLineStylesRunInPixels) {
  EXPECT_EQ(row_pattern(0), std::string(60, '#'));
  EXPECT_EQ(row_pattern(1).substr(0, 12), "###...###...");
  EXPECT_EQ(row_pattern(2).substr(0, 24), "#########......###......");
  EXPECT_EQ(row_pattern(3).substr(0, 30), std::string(18, '#') + "......######");
}

TEST(PainterLines, WideDashesRunAsLongAsThinOnes) {
  test::ensure_application();
  struct Case {
    const char* name;
    qreal unit;
    int gaps;  // 240 pixels of an 18 on, 6 off pattern (times the unit)
  };
  for (const Case c : {Case{"screen", 1, 10}, Case{"printer page", 2, 5}}) {
    QImage img = blank(300, 20);
    {
      QPainter p(&img);
      QPainterDevice d(p);
      d.setDashUnit(c.unit);
      d.setLineWidth(3);
      d.setLineStyle(3);
      d.line({0, 10}, {239, 10});
    }
    int gaps = 0;
    for (int x = 1; x < 240; ++x) gaps += img.pixelColor(x, 10) == kWhite && img.pixelColor(x - 1, 10) != kWhite;
    EXPECT_EQ(gaps, c.gaps) << c.name;
  }
}

TEST(PainterLines, BothEndsAndTheDiagonalArePainted) {
  test::ensure_application();
  QImage img = blank();
  {
    QPainter p(&img);
    QPainterDevice d(p);
    d.setColour({255, 0, 0});
    d.line({10, 20}, {110, 120});
    d.line({-500, 5}, {5000, 5});  // far outside on both sides
  }
  EXPECT_EQ(img.pixelColor(10, 20), kRed);
  EXPECT_EQ(img.pixelColor(60, 70), kRed);
  EXPECT_EQ(img.pixelColor(110, 120), kRed);
  EXPECT_EQ(img.pixelColor(0, 5), kRed);
  EXPECT_EQ(img.pixelColor(199, 5), kRed);
  EXPECT_EQ(img.pixelColor(61, 70), kWhite);
}

TEST(PainterLines, WidePensKeepTheOrderOfPainting) {
  test::ensure_application();
  QImage img = blank();
  {
    QPainter p(&img);
    QPainterDevice d(p);
    d.setColour({255, 0, 0});
    d.setLineWidth(5);
    d.line({20, 100}, {180, 100});
    d.setColour({0, 0, 0});
    d.polygon({PixelPoint{90, 90}, {110, 90}, {110, 110}, {90, 110}}, {0, 0, 255});
  }
  EXPECT_EQ(img.pixelColor(100, 100), QColor(0, 0, 255));  // the fill came after the line
  EXPECT_EQ(img.pixelColor(40, 102), kRed);                  // five pixels wide
}

TEST(PainterLines, ScaledTargetsPaintThroughThePainter) {
  test::ensure_application();
  QImage img = blank();
  {
    QPainter p(&img);
    p.scale(2, 2);
    ASSERT_EQ(PixelLines::targetOf(p), nullptr);
    QPainterDevice d(p);
    d.setColour({255, 0, 0});
    d.line({10, 10}, {60, 10});
  }
  EXPECT_EQ(img.pixelColor(60, 20), kRed);
}

TEST(PainterArcs, ArcRunsCounterClockwiseFromStartToEnd) {
  test::ensure_application();
  QImage img = blank();
  {
    QPainter p(&img);
    QPainterDevice d(p);
    d.setColour({255, 0, 0});
    // Circle of radius 50 about (100, 100); from the right point to the top point.
    d.arc({50, 50}, {150, 150}, {150, 100}, {100, 50});
  }
  const QRect r = inked(img);
  EXPECT_GE(r.left(), 98);   // only the upper right quarter
  EXPECT_LE(r.bottom(), 102);
  EXPECT_GE(r.right(), 148);
  EXPECT_LE(r.top(), 52);
}

TEST(PainterText, TextHangsFromItsTopLeftCornerInTheCellHeight) {
  test::ensure_application();
  struct Case {
    const char* name;
    int width;
    int escapement;
  };
  QRect plain;
  for (const Case c : {Case{"natural", 0, 0}, Case{"wide", 24, 0}, Case{"upright", 0, 900}}) {
    QImage img = blank(400, 400);
    {
      QPainter p(&img);
      QPainterDevice d(p);
      TextLook look;
      look.face = "Arial";
      look.height = 40;
      look.width = c.width;
      look.escapement = c.escapement;
      d.text({100, 200}, look, "HHHH");
    }
    const QRect r = inked(img);
    ASSERT_FALSE(r.isEmpty()) << c.name;
    if (c.escapement == 0) {
      EXPECT_GE(r.top(), 200) << c.name;
      EXPECT_LE(r.bottom(), 240) << c.name;
      EXPECT_NEAR(r.left(), 100, 6) << c.name;
    }
    if (c.width == 0 && c.escapement == 0) plain = r;
    if (c.width == 24) {
      EXPECT_GT(r.width(), plain.width() * 5 / 4) << c.name;  // 24 is above the natural width
    }
    if (c.escapement == 900) {
      EXPECT_GT(r.height(), r.width()) << c.name;
      EXPECT_LE(r.bottom(), 201) << c.name;  // turned counter-clockwise: it runs upward
    }
  }
}

TEST(PainterReplay, MonochromePrinterPagePaintsBlackWhereTheScreenShowsColour) {
  test::ensure_application();
  GraphicsState g;
  DisplayList list;
  bool cancelled = false;
  SurfaceView view;
  GraphicsSurface s(g, list, cancelled, view);
  g.background = {255, 255, 255};
  s.Header(0, 0, 100, 75);
  s.SetColor(4);
  s.Solid(40, 30, 60, 30, 60, 45, 40, 45);
  s.line(0, 10, 100, 10);
  QImage page = blank(640, 480);
  QImage screen(641, 481, QImage::Format_RGB32);
  {
    QPainter pp(&page);
    QPainterDevice printer(pp);
    const PrinterPage sheet{&printer, 640, 480};
    QPainter sp(&screen);
    g.print_flag = true;
    g.printer_colour_mode = 1;
    replayOnto(ReplayTarget{sp, screen.size(), nullptr}, g, list, cancelled, &sheet);
  }
  const PixelPoint w = toWindow(g, 50, 37.5L);
  EXPECT_EQ(screen.pixelColor(w.x, w.y), kRed);
  const PixelPoint q = toPrinter(g, 640, 480, 50, 37.5L);
  EXPECT_EQ(page.pixelColor(q.x, q.y), kBlack);
}

}  // namespace
}  // namespace vx11
