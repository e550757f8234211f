#include "draw/qt/painter_replay.h"

#include <QPainter>

#include <algorithm>

#include "draw/qt/painter_device.h"

namespace vx11 {

qreal areaScale(const GraphicsState& g, QSize target) {
  const qreal w = g.width + 1.0, h = g.height + 1.0;
  if (target.isEmpty()) return 1;
  return std::min(target.width() / w, target.height() / h);
}

void replayOnto(ReplayTarget t, GraphicsState& g, const DisplayList& list, bool& cancelled, const PrinterPage* printer,
                ReplayPacer* pacer) {
  QPainter& p = t.painter;
  p.save();
  p.fillRect(QRect(QPoint(0, 0), t.size), QColor(g.background.r, g.background.g, g.background.b));
  const qreal s = areaScale(g, t.size);
  if (s != 1) p.scale(s, s);
  QPainterDevice device(p, t.format);
  device.setDashUnit(1);
  replayDisplayList(g, list, device, printer, cancelled, pacer);
  device.flush();
  p.restore();
}

QImage replayToImage(QSize size, GraphicsState& g, const DisplayList& list, bool& cancelled,
                     const FormatSettings* format, ReplayPacer* pacer) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  replayOnto(ReplayTarget{p, size, format}, g, list, cancelled, nullptr, pacer);
  p.end();
  return image;
}

}  // namespace vx11
