// Thin opaque lines written straight into a 32-bit image. Most of a long replay is lines, and the
// painter's per-pixel blending costs far more than a one-pixel solid line needs.
#pragma once

#include <QImage>

#include <cstdint>

class QPainter;

namespace vx11 {

// On and off runs in pixels of the classic screen pens: style 1 dotted, 2 dash-dot, 3 dashed;
// nullptr for solid and unknown styles.
struct DashPattern {
  int runs[4];
  int count;
};
const DashPattern* dashPattern(int style);

class PixelLines {
 public:
  // The painter's image when it paints on a 32-bit image without transform, clip or smoothing;
  // nullptr otherwise.
  static QImage* targetOf(QPainter& painter);

  explicit PixelLines(QImage& image);
  // Both end points included, as the painter draws them; clipped to the image. Line styles 1..3
  // (dotted, dash-dot, dashed) in pixel runs of the classic screen pens, restarted with each line.
  void draw(int x1, int y1, int x2, int y2, std::uint32_t argb, int style = 0);

 private:
  std::uint8_t* bits_;
  qsizetype stride_;
  int width_, height_;
};

// Clips the segment to [0, w) x [0, h); false when nothing is left.
bool clipSegment(int w, int h, double& x1, double& y1, double& x2, double& y2);

}  // namespace vx11
