// The display list's device for QPainter: pens, fills and texts of the replay on a widget, an image
// or a printer page.
#pragma once

#include <QColor>
#include <QFont>
#include <QLine>
#include <QPen>
#include <QStaticText>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "draw/qt/pixel_lines.h"
#include "draw/replay.h"
#include "base/format_settings.h"

class QPainter;

namespace vx11 {

class QPainterDevice : public ReplayDevice {
 public:
  // Texts arrive in code page 850; `format` decides between the conversion and plain letters
  // (none: the conversion).
  explicit QPainterDevice(QPainter& painter, const FormatSettings* format = nullptr);
  ~QPainterDevice() override;

  // Lines are painted in runs; this paints what is pending (before the painter ends).
  void flush();
  // Device pixels of one pixel of the drawing area: dashes of wide pens and printer pages then run
  // as long as on the screen. 0 keeps the painter's own patterns.
  void setDashUnit(qreal device_pixels);

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
  };
  const FontFit& fontFor(const TextLook& look);
  void refreshPenStyle();
  QString shown(std::string_view cp850) const;
  void applyPen();

  QPainter& p_;
  const FormatSettings* format_;
  QPen pen_;
  int style_ = 0;
  qreal dash_unit_ = 0;
  bool pen_dirty_ = true;
  std::vector<QLine> lines_;  // pending lines of the current pen
  std::optional<PixelLines> pixels_;  // thin solid lines straight into the image, when it allows
  FontFit fit_;
  std::unordered_map<std::string, QStaticText> texts_;  // laid out in the current font
};

// A code page 850 text as shown: converted, or in plain letters when `format` asks for them.
QString shownText(std::string_view cp850, const FormatSettings* format);

// Qt's angle of a device point seen from a centre (degrees, counter-clockwise on the screen).
qreal screenAngle(qreal cx, qreal cy, qreal x, qreal y);

}  // namespace vx11
