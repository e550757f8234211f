#include "draw/qt/pixel_lines.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace vx11 {

QImage* PixelLines::targetOf(QPainter& p) {
  QPaintDevice* d = p.device();
  if (!d || d->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(d);
  const QImage::Format f = image->format();
  if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
    return nullptr;
  if (p.transform().type() != QTransform::TxNone || p.hasClipping() ||
      p.compositionMode() != QPainter::CompositionMode_SourceOver || p.testRenderHint(QPainter::Antialiasing))
    return nullptr;
  return image;
}

PixelLines::PixelLines(QImage& image)
    : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {}

bool clipSegment(int w, int h, double& x1, double& y1, double& x2, double& y2) {
  // Liang-Barsky against the pixel centres' box.
  const double xmin = 0, ymin = 0, xmax = w - 1, ymax = h - 1;
  const double dx = x2 - x1, dy = y2 - y1;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
  x2 = x1 + t1 * dx;
  y2 = y1 + t1 * dy;
  x1 = ax;
  y1 = ay;
  return true;
}

const DashPattern* dashPattern(int style) {
  static constexpr DashPattern kPatterns[] = {{{3, 3, 0, 0}, 2}, {{9, 6, 3, 6}, 4}, {{18, 6, 0, 0}, 2}};
  return style >= 1 && style <= 3 ? &kPatterns[style - 1] : nullptr;
}

void PixelLines::draw(int x1, int y1, int x2, int y2, std::uint32_t argb, int style) {
  if (x1 < 0 || y1 < 0 || x2 < 0 || y2 < 0 || x1 >= width_ || x2 >= width_ || y1 >= height_ || y2 >= height_) {
    double a = x1, b = y1, c = x2, d = y2;
    if (!clipSegment(width_, height_, a, b, c, d)) return;
    x1 = static_cast<int>(std::lround(a));
    y1 = static_cast<int>(std::lround(b));
    x2 = static_cast<int>(std::lround(c));
    y2 = static_cast<int>(std::lround(d));
  }
  // Bresenham over the longer axis.
  const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  const DashPattern* pattern = dashPattern(style);
  int run = 0, left = pattern ? pattern->runs[0] : 0;
  for (;;) {
    if (!pattern || run % 2 == 0) reinterpret_cast<std::uint32_t*>(bits_ + y1 * stride_)[x1] = argb;
    if (pattern && --left == 0) {
      run = (run + 1) % pattern->count;
      left = pattern->runs[run];
    }
    if (x1 == x2 && y1 == y2) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x1 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y1 += sy;
    }
  }
}

}  // namespace vx11
