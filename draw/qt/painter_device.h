// The display list's device for QPainter: pens, fills and texts of the replay on a widget, an image
// or a printer page.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

#include <string>
#include <string_view>

#include "draw/replay.h"
#include "report/format_settings.h"

class QPainter;

namespace vx11 {

class QPainterDevice : public ReplayDevice {
 public:
  // Texts arrive in code page 850; `format` decides between the conversion and plain letters
  // (none: the conversion).
  explicit QPainterDevice(QPainter& painter, const FormatSettings* format = nullptr);

  void setColour(Rgb pen_brush_font) override;
  void setLineStyle(int style) override;
  void setLineWidth(int pixels) override;
  void line(PixelPoint a, PixelPoint b) override;
  void ellipse(PixelPoint top_left, PixelPoint bottom_right) override;
  void arc(PixelPoint top_left, PixelPoint bottom_right, PixelPoint start, PixelPoint end) override;
  void polygon(const std::array<PixelPoint, 4>& corners, Rgb fill) override;
  void text(PixelPoint top_left, const TextLook& look, std::string_view text) override;

 private:
  // A text font made once for each look: the pixel size that gives the look's cell height and the
  // horizontal stretch that gives its average character width.
  struct FontFit {
    std::string face;
    int height = -1, width = -1, weight = 0;
    bool italic = false, underline = false, strike_out = false;
    QFont font;
    qreal stretch = 1;
    qreal ascent = 0;
  };
  const FontFit& fontFor(const TextLook& look);
  QString shown(std::string_view cp850) const;
  void applyPen();

  QPainter& p_;
  const FormatSettings* format_;
  QPen pen_;
  bool pen_dirty_ = true;
  FontFit fit_;
};

// Qt's angle of a device point seen from a centre (degrees, counter-clockwise on the screen).
qreal screenAngle(qreal cx, qreal cy, qreal x, qreal y);

}  // namespace vx11
