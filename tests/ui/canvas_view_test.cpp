// The canvas: replay into its picture, zoom and pan keys, mouse buttons, rubber band.
#include "ui/canvas.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "draw/mapping.h"
#include "tests/ui/qt_test_support.h"
#include "ui/main_window.h"

namespace vx11 {
namespace {

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensure_application();
    canvas.resize(canvas.graphics().width + 1, canvas.graphics().height + 1);
    canvas.graphics().background = {255, 255, 255};
  }
  // A 100 by 75 world with a filled red square round (50, 37.5).
  void draw_square() {
    GraphicsSurface& s = canvas.surface();
    s.Clear();
    s.Header(0, 0, 100, 75);
    s.SetColor(4);
    s.Solid(40, 30, 60, 30, 60, 45, 40, 45);
    canvas.render_now();
  }
  QColor at(Real x, Real y) {
    const PixelPoint p = toWindow(canvas.graphics(), x, y);
    return canvas.picture().pixelColor(p.x, p.y);
  }
  ZoomRect zoom() const { return zoomRect(const_cast<Canvas&>(canvas).graphics()); }
  Canvas canvas;
};

TEST_F(CanvasTest, ReplayPaintsTheListIntoThePicture) {
  draw_square();
  EXPECT_EQ(at(50, 37.5L), QColor(255, 0, 0));
  EXPECT_EQ(at(10, 10), QColor(255, 255, 255));
  // Clearing the list leaves the background only.
  canvas.surface().Clear();
  canvas.render_now();
  EXPECT_EQ(canvas.picture().pixelColor(320, 240), QColor(255, 255, 255));
}

TEST_F(CanvasTest, RepaintRequestsReplayOnceWhenTheEventLoopRuns) {
  draw_square();
  const int before = canvas.replay_count();
  canvas.surface().view().repaint();
  canvas.surface().view().repaint();
  QCoreApplication::processEvents();
  EXPECT_EQ(canvas.replay_count(), before + 1);
}

TEST_F(CanvasTest, KeysZoomAndPanTheZoomRectangle) {
  draw_square();
  const ZoomRect full = zoom();
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    ZoomKey expected;
  };
  const Case cases[] = {
      {"up", Qt::Key_Up, Qt::NoModifier, ZoomKey::Up},
      {"down", Qt::Key_Down, Qt::NoModifier, ZoomKey::Down},
      {"left", Qt::Key_Left, Qt::NoModifier, ZoomKey::Left},
      {"right", Qt::Key_Right, Qt::NoModifier, ZoomKey::Right},
      {"page up", Qt::Key_PageUp, Qt::NoModifier, ZoomKey::PageUp},
      {"page down", Qt::Key_PageDown, Qt::NoModifier, ZoomKey::PageDown},
      {"pad plus", Qt::Key_Plus, Qt::KeypadModifier, ZoomKey::ZoomIn},
      {"pad minus", Qt::Key_Minus, Qt::KeypadModifier, ZoomKey::ZoomOut},
  };
  for (const Case& c : cases) {
    canvas.surface().ResetZoom();
    const ZoomRect want = zoomAfterKey(canvas.graphics(), c.expected);
    QTest::keyClick(&canvas, c.key, c.mods);
    EXPECT_EQ(zoom(), want) << c.name;
    EXPECT_NE(zoom(), full) << c.name;
  }
  for (Qt::Key reset : {Qt::Key_Escape, Qt::Key_F5}) {
    QTest::keyClick(&canvas, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(&canvas, reset);
    EXPECT_EQ(zoom(), full);
  }
}

TEST_F(CanvasTest, ZoomRepaintsFromTheListSoTheSquareGrows) {
  draw_square();
  auto red_pixels = [&] {
    int n = 0;
    const QImage& img = canvas.picture();
    for (int y = 0; y < img.height(); y += 2)
      for (int x = 0; x < img.width(); x += 2) n += img.pixelColor(x, y) == QColor(255, 0, 0);
    return n;
  };
  const int before = red_pixels();
  for (int i = 0; i < 5; ++i) QTest::keyClick(&canvas, Qt::Key_Plus, Qt::KeypadModifier);
  canvas.render_now();
  // Five steps of 1.2 enlarge the area about 6.2 times; the edges stay crisp (pure red or white).
  EXPECT_GT(red_pixels(), 5 * before);
  EXPECT_EQ(at(50, 37.5L), QColor(255, 0, 0));
}

TEST_F(CanvasTest, RightClickResetsTheZoom) {
  draw_square();
  const ZoomRect full = zoom();
  QTest::keyClick(&canvas, Qt::Key_Plus, Qt::KeypadModifier);
  ASSERT_NE(zoom(), full);
  QTest::mouseClick(&canvas, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
  EXPECT_EQ(zoom(), full);
}

TEST_F(CanvasTest, RubberBandZoomsOntoWhatItEncloses) {
  struct Case {
    const char* name;
    Real w, h;  // world window; 4:3 and much wider
  };
  for (const Case c : {Case{"four to three", 100, 75}, Case{"wide", 200, 75}}) {
    GraphicsSurface& s = canvas.surface();
    s.Clear();
    s.Header(0, 0, c.w, c.h);
    s.SetColor(4);
    const Real x0 = c.w * 0.2L, y0 = c.h * 0.6L;  // a square away from the middle
    s.Solid(x0, y0, x0 + 6, y0, x0 + 6, y0 + 6, x0, y0 + 6);
    canvas.render_now();
    const PixelPoint p1 = toWindow(canvas.graphics(), x0 - 1, y0 + 7), p2 = toWindow(canvas.graphics(), x0 + 7, y0 - 1);
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(p1.x, p1.y));
    QTest::mouseMove(&canvas, QPoint(p2.x, p2.y));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(p2.x, p2.y));
    canvas.render_now();
    QRect red;
    const QImage& img = canvas.picture();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixelColor(x, y) == QColor(255, 0, 0)) red |= QRect(x, y, 1, 1);
    ASSERT_FALSE(red.isEmpty()) << c.name;
    // The square now fills most of the height (the band was 8 by 8 units round a 6 unit square).
    EXPECT_GT(red.height(), 300) << c.name;
    EXPECT_LT(red.top(), 240) << c.name;
    EXPECT_GT(red.bottom(), 240) << c.name;
  }
}

TEST_F(CanvasTest, BandWithoutHeightChangesNothing) {
  draw_square();
  const ZoomRect full = zoom();
  QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100, 80));
  QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 80));
  EXPECT_EQ(zoom(), full);
}

TEST_F(CanvasTest, DoubleClickShowsTheFullViewAgain) {
  draw_square();
  QTest::keyClick(&canvas, Qt::Key_Plus, Qt::KeypadModifier);
  const std::size_t records = canvas.display_list().size();
  QTest::mouseDClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  // The plain window without frame: the zoom is its whole viewport.
  const GraphicsState& g = canvas.graphics();
  const ZoomRect whole{0, 0, g.width, g.height};
  EXPECT_EQ(zoom(), whole);
  // The limits come back as window records, so the replay shows the full view as well.
  EXPECT_EQ(canvas.display_list().size(), records + 2);
  canvas.render_now();
  EXPECT_EQ(canvas.graphics().wx2, 1);
  EXPECT_EQ(zoom(), whole);
  EXPECT_EQ(canvas.picture().pixelColor(320, 240), QColor(255, 0, 0));  // the square in the middle again
}

TEST_F(CanvasTest, DegenerateWindowRecordSetsTheAttachedAbortFlag) {
  bool cancelled = false;
  canvas.attach(cancelled);
  canvas.surface().Clear();
  canvas.surface().Header(0, 0, 0, 10);
  EXPECT_TRUE(cancelled);
  cancelled = false;
  canvas.render_now();
  EXPECT_TRUE(cancelled);  // the replay ends at the same record
}

TEST_F(CanvasTest, LargerWidgetShowsTheAreaScaledUniformly) {
  draw_square();
  canvas.resize(2 * (canvas.graphics().width + 1), 4 * (canvas.graphics().height + 1));
  canvas.render_now();
  const PixelPoint p = toWindow(canvas.graphics(), 50, 37.5L);
  EXPECT_EQ(canvas.picture().pixelColor(2 * p.x, 2 * p.y), QColor(255, 0, 0));
  EXPECT_EQ(canvas.to_area(QPoint(2 * p.x, 2 * p.y)), QPoint(p.x, p.y));
}

TEST_F(CanvasTest, LongReplayServesTheEventQueue) {
  GraphicsSurface& s = canvas.surface();
  s.Clear();
  s.Header(0, 0, 100, 75);
  for (int i = 0; i < 120000; ++i) s.line(i % 100, 0, 100 - i % 100, 75);
  int replays_seen_by_timer = -1;
  QTimer::singleShot(0, &canvas, [&] { replays_seen_by_timer = canvas.replay_count(); });
  const int before = canvas.replay_count();
  canvas.render_now();
  // The timer ran while the replay was still going: the count had not moved on yet.
  EXPECT_EQ(replays_seen_by_timer, before);
  EXPECT_EQ(canvas.replay_count(), before + 1);
}

TEST(CanvasInWindow, TheMainWindowsClientAreaIsTheCanvas) {
  test::ensure_application();
  Thh w;
  ASSERT_NE(w.canvas(), nullptr);
  EXPECT_EQ(w.centralWidget(), w.canvas());
  EXPECT_EQ(w.client_area(), w.canvas());
}

}  // namespace
}  // namespace vx11
