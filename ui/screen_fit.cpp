#include "ui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace vx11 {

namespace {
// Frame and title bar of the window system, outside the widget's geometry.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;
}  // namespace

QSize screen_room(const QWidget* window) {
  const QScreen* s = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!s) return QSize(1024, 768);
  return s->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
}

void fit_into_screen(QWidget* window) { window->resize(window->size().boundedTo(screen_room(window))); }

namespace {

class ScreenSizedArea : public QScrollArea {
 public:
  ScreenSizedArea(QWidget* parent, QSize reserve) : QScrollArea(parent), reserve_(reserve) {}
  QSize sizeHint() const override {
    if (!widget()) return QScrollArea::sizeHint();
    const QSize bars(verticalScrollBar()->sizeHint().width(), horizontalScrollBar()->sizeHint().height());
    const QSize room = screen_room(window()) - reserve_;
    const QSize content = widget()->sizeHint();
    QSize hint = content.boundedTo(room);
    // Where one direction scrolls, its bar takes room from the other.
    if (content.height() > room.height()) hint.rwidth() = std::min(content.width() + bars.width(), room.width());
    if (content.width() > room.width()) hint.rheight() = std::min(content.height() + bars.height(), room.height());
    return hint;
  }
  QSize minimumSizeHint() const override { return QSize(80, 60); }

 private:
  QSize reserve_;
};

}  // namespace

QScrollArea* screen_sized_area(QWidget* content, QWidget* parent, QSize reserve) {
  auto* area = new ScreenSizedArea(parent, reserve);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(content);
  return area;
}

}  // namespace vx11
