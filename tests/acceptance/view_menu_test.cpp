// The View menu: the shaft section's circle is round at every window size (measured in the
// picture on the screen), zoom by the menu, the keys and the mouse wheel at the pointer.
#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "draw/mapping.h"
#include "tests/acceptance/window_fixture.h"
#include "ui/canvas.h"
#include "ui/main_window.h"

namespace vx11::test {
namespace {

class ViewMenu : public WindowAcceptance {
 protected:
  Measured shaft_at(QSize client) {
    window().resize(window().size() - canvas().size() + client);
    QApplication::processEvents();
    EXPECT_EQ(canvas().size(), client);
    const QImage img = canvas_picture();
    screenshot(&window(), QStringLiteral("shaft_%1x%2").arg(client.width()).arg(client.height()));
    return measure_circle(img);
  }
};

TEST_F(ViewMenu, TheShaftSectionIsRoundAtEveryWindowSize) {
  start({example("beispiel.vxk")});
  menu(Command::ViewShaft);
  const QImage fresh = canvas_picture();
  // On a high-density screen the picture has the screen's pixels, not the window's units.
  EXPECT_EQ(fresh.size(), canvas().size() * canvas().devicePixelRatioF());
  RecordProperty("device_pixel_ratio", QString::number(canvas().devicePixelRatioF()).toStdString());
  const Measured first = measure_circle(fresh);
  screenshot(&window(), QStringLiteral("main_window_shaft"));
  EXPECT_GT(first.horizontal, 50);
  EXPECT_NEAR(first.horizontal, first.vertical, 1.0) << "at the start size";
  for (const QSize size : {QSize(700, 480), QSize(1100, 420), QSize(420, 700)}) {
    const Measured m = shaft_at(size);
    EXPECT_GT(m.horizontal, 0.25 * std::min(size.width(), size.height()) * canvas().devicePixelRatioF())
        << "the drawing fills the window " << size.width() << "x" << size.height();
    EXPECT_NEAR(m.horizontal, m.vertical, 1.0) << size.width() << "x" << size.height();
  }
}

TEST_F(ViewMenu, ZoomByTheMenuTheKeysAndTheWheelAtThePointer) {
  start({example("beispiel.vxk")});
  menu(Command::ViewShaft);
  const auto span = [this] {
    const GraphicsState& g = canvas().graphics();
    return static_cast<double>(g.sx);
  };
  const double whole = span();
  menu(Command::ViewZoomIn);
  EXPECT_NEAR(span() / whole, 1.25, 0.02) << "one step a person sees";
  menu(Command::ViewZoomOut);
  EXPECT_NEAR(span() / whole, 1.0, 0.02);
  QTest::keyClick(&canvas(), Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_NEAR(span() / whole, 1.25, 0.02);
  menu(Command::ViewFitAll);
  EXPECT_NEAR(span() / whole, 1.0, 1e-9);

  // The wheel zooms about the drawing point under the pointer: it stays there.
  const GraphicsState& g = canvas().graphics();
  const QPoint at(canvas().width() / 3, canvas().height() / 2);
  const Real x = g.xa + (at.x() - g.vx1) / g.sx, y = g.ya + (g.vy2 - at.y()) / g.sy;
  QWheelEvent wheel(QPointF(at), canvas().mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 240), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&canvas(), &wheel);
  EXPECT_NEAR(span() / whole, 1.25 * 1.25, 0.05);
  const PixelPoint after = toWindow(g, x, y);
  EXPECT_NEAR(after.x, at.x(), 2);
  EXPECT_NEAR(after.y, at.y(), 2);
  // A zoom keeps its place when the window changes its size.
  const double zoomed = span() / whole;
  window().resize(window().size() + QSize(-120, -80));
  QApplication::processEvents();
  menu(Command::ViewFitAll);
  const double whole_now = span();
  menu(Command::ViewZoomIn);
  EXPECT_NEAR(span() / whole_now, 1.25, 0.02);
  EXPECT_GT(zoomed, 1.5);
}

}  // namespace
}  // namespace vx11::test
