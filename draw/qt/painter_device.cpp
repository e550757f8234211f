#include "draw/qt/painter_device.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include "base/text.h"

namespace vx11 {

namespace {

QColor qcolour(Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle penStyle(int style) {
  switch (style) {
    case 1:
      return Qt::DotLine;
    case 2:
      return Qt::DashDotLine;
    case 3:
      return Qt::DashLine;
    default:
      return Qt::SolidLine;
  }
}

QRectF box(PixelPoint tl, PixelPoint br) {
  return QRectF(QPointF(std::min(tl.x, br.x), std::min(tl.y, br.y)),
                QPointF(std::max(tl.x, br.x), std::max(tl.y, br.y)));
}

}  // namespace

qreal screenAngle(qreal cx, qreal cy, qreal x, qreal y) {
  const qreal a = std::atan2(cy - y, x - cx) * 180 / 3.14159265358979323846;
  return a < 0 ? a + 360 : a;
}

QPainterDevice::QPainterDevice(QPainter& painter, const FormatSettings* format) : p_(painter), format_(format) {
  // Pens of the plotter interface: round ends, so that wide lines meet without gaps.
  pen_.setCapStyle(Qt::RoundCap);
  pen_.setJoinStyle(Qt::RoundJoin);
  pen_.setColor(Qt::black);
  pen_.setWidth(1);
  p_.setBrush(Qt::NoBrush);
  if (QImage* image = PixelLines::targetOf(p_)) pixels_.emplace(*image);
}

QPainterDevice::~QPainterDevice() { flush(); }

void QPainterDevice::flush() {
  if (lines_.empty()) return;
  p_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
  lines_.clear();
}

void QPainterDevice::applyPen() {
  flush();  // pending lines keep the pen they were recorded with
  if (!pen_dirty_) return;
  p_.setPen(pen_);
  pen_dirty_ = false;
}

void QPainterDevice::setColour(Rgb c) {
  const QColor q = qcolour(c);
  if (pen_.color() == q) return;
  pen_.setColor(q);
  pen_dirty_ = true;
}

void QPainterDevice::setDashUnit(qreal device_pixels) {
  dash_unit_ = device_pixels;
  refreshPenStyle();
}

void QPainterDevice::refreshPenStyle() {
  const DashPattern* d = dashPattern(style_);
  if (d && dash_unit_ > 0) {
    QList<qreal> runs;
    for (int i = 0; i < d->count; ++i) runs << std::max<qreal>(0.5, d->runs[i] * dash_unit_ / pen_.widthF());
    pen_.setDashPattern(runs);
  } else {
    pen_.setStyle(penStyle(style_));
  }
  pen_dirty_ = true;
}

void QPainterDevice::setLineStyle(int style) {
  if (style == style_) return;
  style_ = style;
  refreshPenStyle();
}

void QPainterDevice::setLineWidth(int pixels) {
  const int w = std::max(1, pixels);
  if (pen_.width() == w) return;
  pen_.setWidth(w);
  refreshPenStyle();
}

void QPainterDevice::line(PixelPoint a, PixelPoint b) {
  if (pixels_ && pen_.width() <= 1) {
    flush();
    pixels_->draw(a.x, a.y, b.x, b.y, pen_.color().rgba(), style_);
    return;
  }
  // One painter call per run of lines: the painter's set-up per call costs more than a short line.
  if (pen_dirty_) applyPen();
  lines_.emplace_back(a.x, a.y, b.x, b.y);
  if (lines_.size() >= 4096) flush();
}

void QPainterDevice::ellipse(PixelPoint top_left, PixelPoint bottom_right) {
  applyPen();
  p_.setBrush(Qt::NoBrush);
  p_.drawEllipse(box(top_left, bottom_right));
}

void QPainterDevice::arc(PixelPoint top_left, PixelPoint bottom_right, PixelPoint start, PixelPoint end) {
  applyPen();
  const QRectF r = box(top_left, bottom_right);
  const QPointF c = r.center();
  const qreal a1 = screenAngle(c.x(), c.y(), start.x, start.y);
  const qreal a2 = screenAngle(c.x(), c.y(), end.x, end.y);
  qreal sweep = a2 - a1;
  if (sweep <= 0) sweep += 360;  // counter-clockwise; equal radials make the whole ellipse
  p_.drawArc(r, static_cast<int>(std::lround(a1 * 16)), static_cast<int>(std::lround(sweep * 16)));
}

void QPainterDevice::polygon(const std::array<PixelPoint, 4>& corners, Rgb fill) {
  applyPen();
  QPolygon poly(4);
  for (int i = 0; i < 4; ++i) poly.setPoint(i, corners[static_cast<std::size_t>(i)].x, corners[static_cast<std::size_t>(i)].y);
  p_.setBrush(qcolour(fill));
  p_.drawPolygon(poly);
  p_.setBrush(Qt::NoBrush);
}

QString shownText(std::string_view cp850, const FormatSettings* format) {
  if (format && format->ascii_mode) return QString::fromStdString(toWindows(*format, cp850));
  return QString::fromStdString(cp850ToUtf8(cp850));
}

QString QPainterDevice::shown(std::string_view cp850) const { return shownText(cp850, format_); }

const QPainterDevice::FontFit& QPainterDevice::fontFor(const TextLook& look) {
  FontFit& f = fit_;
  if (f.height == look.height && f.width == look.width && f.weight == look.weight && f.italic == look.italic &&
      f.underline == look.underline && f.strike_out == look.strike_out && f.face == look.face)
    return f;
  texts_.clear();
  f.face = look.face;
  f.height = look.height;
  f.width = look.width;
  f.weight = look.weight;
  f.italic = look.italic;
  f.underline = look.underline;
  f.strike_out = look.strike_out;
  QFont font(QString::fromStdString(look.face));
  font.setWeight(look.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(look.italic);
  font.setUnderline(look.underline);
  font.setStrikeOut(look.strike_out);
  // The height is the character cell: measure the cell of a reference size and scale.
  constexpr int kReference = 100;
  font.setPixelSize(kReference);
  const QFontMetricsF ref(font);
  const qreal cell = ref.height() > 0 ? ref.height() : kReference;
  const int pixels = std::max(1, static_cast<int>(std::lround(std::abs(look.height) * kReference / cell)));
  font.setPixelSize(pixels);
  const QFontMetricsF m(font);
  f.font = font;
  // The width is the average character width; 0 keeps the face's own proportions.
  const qreal natural = m.averageCharWidth();
  f.stretch = look.width > 0 && natural > 0 ? look.width / natural : 1;
  return f;
}

void QPainterDevice::text(PixelPoint top_left, const TextLook& look, std::string_view text) {
  if (text.empty() || look.height == 0) return;
  flush();
  const FontFit& f = fontFor(look);
  const QTransform saved = p_.transform();
  p_.translate(top_left.x, top_left.y);
  if (look.escapement != 0) p_.rotate(-look.escapement / 10.0);
  if (f.stretch != 1) p_.scale(f.stretch, 1);
  p_.setFont(f.font);
  const QPen saved_pen = pen_;
  p_.setPen(qcolour(look.colour));
  // Texts repeat within a drawing; their layout is made once.
  auto it = texts_.find(std::string(text));
  if (it == texts_.end()) {
    if (texts_.size() >= 1024) texts_.clear();
    QStaticText laid_out(shown(text));
    laid_out.setTextFormat(Qt::PlainText);
    laid_out.setPerformanceHint(QStaticText::AggressiveCaching);
    it = texts_.emplace(std::string(text), std::move(laid_out)).first;
  }
  p_.drawStaticText(QPointF(0, 0), it->second);
  p_.setTransform(saved);
  pen_ = saved_pen;
  pen_dirty_ = true;
}

}  // namespace vx11
