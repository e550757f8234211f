#include "ui/canvas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "draw/qt/view_drawing.h"
#include "draw/qt/painter_replay.h"

namespace vx11 {

namespace {

std::optional<ZoomKey> zoom_key(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Escape:
    case Qt::Key_F5:
      return ZoomKey::Reset;
    case Qt::Key_Up:
      return ZoomKey::Up;
    case Qt::Key_Down:
      return ZoomKey::Down;
    case Qt::Key_Left:
      return ZoomKey::Left;
    case Qt::Key_Right:
      return ZoomKey::Right;
    case Qt::Key_PageUp:
      return ZoomKey::PageUp;
    case Qt::Key_PageDown:
      return ZoomKey::PageDown;
    // The numeric pad's keys; the main keyboard's serve keyboards without a pad.
    case Qt::Key_Plus:
      return ZoomKey::ZoomIn;
    case Qt::Key_Minus:
      return ZoomKey::ZoomOut;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool band_zoom(const GraphicsState& g, QPoint a, QPoint b, ZoomRect& out) {
  if (a.x() == b.x() || a.y() == b.y()) return false;
  if (g.sx == 0 || g.sy == 0 || g.wx2 == g.wx1 || g.wy2 == g.wy1) return false;
  // Pointer to world by the mapping in force, world to the zoom rectangle's units.
  auto zx = [&g](int px) {
    const Real x = g.xa + (px - g.vx1) / g.sx;
    return static_cast<int>(std::llround(g.vx1 + (x - g.wx1) / (g.wx2 - g.wx1) * (g.vx2 - g.vx1)));
  };
  auto zy = [&g](int py) {
    const Real y = g.ya + (g.vy2 - py) / g.sy;
    return static_cast<int>(std::llround(g.vy1 + (y - g.wy1) / (g.wy2 - g.wy1) * (g.vy2 - g.vy1)));
  };
  out = {zx(std::min(a.x(), b.x())), zy(std::max(a.y(), b.y())), zx(std::max(a.x(), b.x())),
         zy(std::min(a.y(), b.y()))};
  return true;
}

// What the recording side asks of the window.
class Canvas::View : public SurfaceView {
 public:
  explicit View(Canvas& c) : c_(c) {}
  void repaint() override { c_.invalidate(); }
  void setWaitCursor() override { c_.setCursor(Qt::WaitCursor); }
  void setDefaultCursor() override { c_.unsetCursor(); }
  void moveTo(Real x, Real y) override { pen_ = {x, y}; }
  void showStatus(std::string_view text) override {
    if (c_.show_status) c_.show_status(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }

 private:
  Canvas& c_;
  std::pair<Real, Real> pen_{0, 0};
};

Canvas::Canvas(QWidget* parent) : QWidget(parent), view_(std::make_unique<View>(*this)) {
  setObjectName("canvas");
  surface_.emplace(graphics_, list_, *abort_flag_, *view_);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

Canvas::~Canvas() = default;

void Canvas::attach(bool& cancelled) {
  abort_flag_ = &cancelled;
  surface_.emplace(graphics_, list_, cancelled, *view_);
}

void Canvas::configure(const Configuration& config, const FormatSettings& format) {
  configure_graphics(config, graphics_);
  format_ = &format;
  redraw_ = nullptr;
  if (!take_widget_size()) updateGeometry();
  invalidate();
}

bool Canvas::take_widget_size() {
  if (!isVisible() || width() < 2 || height() < 2) return false;
  // The client area is one pixel wider and higher than the drawing area.
  graphics_.width = static_cast<std::uint16_t>(std::min(width() - 1, 65535));
  graphics_.height = static_cast<std::uint16_t>(std::min(height() - 1, 65535));
  return true;
}

void Canvas::zoom_to(const ZoomRect& z) {
  surface_->SetScale(z.x1, z.y1, z.x2, z.y2);
  invalidate();
}

void Canvas::zoom_in() { zoom_to(zoomAfterKey(graphics_, ZoomKey::ZoomIn)); }
void Canvas::zoom_out() { zoom_to(zoomAfterKey(graphics_, ZoomKey::ZoomOut)); }

void Canvas::fit_all() {
  band_active_ = false;
  surface_->ResetZoom();
  invalidate();
}

QSize Canvas::sizeHint() const { return QSize(graphics_.width + 1, graphics_.height + 1); }

void Canvas::invalidate() {
  dirty_ = true;
  if (replaying_) {
    again_ = true;
    return;
  }
  if (scheduled_) return;
  scheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    scheduled_ = false;
    if (dirty_) render_now();
  });
}

void Canvas::render_now() { replay(nullptr); }

void Canvas::render_with_printer(const PrinterPage& page) { replay(&page); }

void Canvas::replay(const PrinterPage* printer) {
  if (replaying_) {
    again_ = true;
    return;
  }
  replaying_ = true;
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (size() * ratio).expandedTo(QSize(1, 1));
  do {
    again_ = false;
    dirty_ = false;
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    // The painter works in widget units; the image's ratio keeps the lines sharp on dense screens.
    replayOnto(ReplayTarget{p, size(), format_}, graphics_, list_, *abort_flag_, printer, this);
    p.end();
    picture_ = std::move(image);
    ++replays_;
    printer = nullptr;  // a repeat after events only repaints the window
  } while (again_);
  replaying_ = false;
  update();
}

void Canvas::serveEvents() {
  // Input stays queued: a command could change the list the replay is walking through.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QPoint Canvas::to_area(QPoint pos) const {
  const qreal s = areaScale(graphics_, size());
  return QPoint(static_cast<int>(std::lround(pos.x() / s)), static_cast<int>(std::lround(pos.y() / s)));
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (picture_.isNull() || picture_.deviceIndependentSize().toSize() != size()) {
    p.fillRect(rect(), QColor(graphics_.background.r, graphics_.background.g, graphics_.background.b));
    if (!picture_.isNull()) p.drawImage(QPoint(0, 0), picture_);
  } else {
    p.drawImage(QPoint(0, 0), picture_);
  }
  if (band_active_ && band_start_ != band_end_) {
    // The band inverts what lies under it, as an XOR pen would.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(band_start_, band_end_).normalized());
  }
}

void Canvas::resizeEvent(QResizeEvent*) { redraw_at_size(); }

void Canvas::showEvent(QShowEvent*) { redraw_at_size(); }

void Canvas::redraw_at_size() {
  if (!redraw_ || replaying_ || !isVisible() ||
      (graphics_.width == width() - 1 && graphics_.height == height() - 1)) {
    invalidate();
    return;
  }
  // The view is drawn again at the new size; a zoom keeps its place in the viewport.
  const GraphicsState before = graphics_;
  const bool zoomed = zoomRect(before) != ZoomRect{before.vx1, before.vy1, before.vx2, before.vy2};
  if (!take_widget_size()) return;
  const auto redraw = redraw_;
  redraw();
  redraw_ = redraw;
  if (zoomed && before.vx2 != before.vx1 && before.vy2 != before.vy1) {
    const GraphicsState& g = graphics_;
    // The same share of the new viewport as of the old one.
    const auto moved = [](int z, int from1, int from2, int to1, int to2) {
      return static_cast<int>(std::lround(to1 + static_cast<double>(z - from1) * (to2 - to1) / (from2 - from1)));
    };
    const auto x = [&](int zx) { return moved(zx, before.vx1, before.vx2, g.vx1, g.vx2); };
    const auto y = [&](int zy) { return moved(zy, before.vy1, before.vy2, g.vy1, g.vy2); };
    surface_->SetScale(x(before.zx1), y(before.zy1), x(before.zx2), y(before.zy2));
  }
  invalidate();
}

void Canvas::wheelEvent(QWheelEvent* e) {
  // One notch (120) is one zoom step, about the drawing point under the pointer.
  wheel_rest_ += e->angleDelta().y();
  const int steps = wheel_rest_ / 120;
  if (steps == 0) return;
  wheel_rest_ -= steps * 120;
  const QPoint p = to_area(e->position().toPoint());
  const Real factor = std::pow(zoomStep(graphics_), static_cast<Real>(steps));
  zoom_to(zoomAbout(graphics_, p.x(), p.y(), factor));
  e->accept();
}

void Canvas::keyPressEvent(QKeyEvent* e) {
  const auto key = zoom_key(*e);
  if (!key) {
    QWidget::keyPressEvent(e);
    return;
  }
  if (*key == ZoomKey::Reset)
    fit_all();
  else
    zoom_to(zoomAfterKey(graphics_, *key));
}

void Canvas::left_down(QPoint pos) {
  if (double_click_seen_) {
    // Full view: the drawing's own limits, no zoom, then the plain window.
    double_click_seen_ = false;
    band_active_ = false;
    surface_->RestoreLimit();
    surface_->ResetZoom();
    surface_->ReSetWindow();
    invalidate();
    return;
  }
  band_active_ = true;
  band_start_ = band_end_ = pos;
}

void Canvas::mousePressEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  if (e->button() == Qt::RightButton) {
    band_active_ = false;
    surface_->ResetZoom();
    invalidate();
  } else if (e->button() == Qt::LeftButton) {
    left_down(pos);
  }
}

void Canvas::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    mousePressEvent(e);
    return;
  }
  double_click_seen_ = true;
  left_down(e->position().toPoint());
}

void Canvas::mouseMoveEvent(QMouseEvent* e) {
  if (!band_active_) return;
  band_end_ = e->position().toPoint();
  update();
}

void Canvas::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !band_active_) return;
  band_active_ = false;
  band_end_ = e->position().toPoint();
  const QPoint a = to_area(band_start_), b = to_area(band_end_);
  ZoomRect z;
  if (band_zoom(graphics_, a, b, z))
    surface_->SetScale(z.x1, z.y1, z.x2, z.y2);
  invalidate();
}

}  // namespace vx11
