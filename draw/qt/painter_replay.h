// Replaying the display list with QPainter: the drawing area fitted into a widget or an image,
// and the whole picture as an image.
#pragma once

#include <QImage>
#include <QSize>

#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/replay.h"
#include "base/format_settings.h"

class QPainter;

namespace vx11 {

// The drawing area is W+1 by H+1 pixels; a target of another size shows it scaled by this factor
// (the same in x and y, so that round stays round), from the top left corner.
qreal areaScale(const GraphicsState& g, QSize target);

struct ReplayTarget {
  QPainter& painter;
  QSize size;                              // pixels of the target
  const FormatSettings* format = nullptr;  // how texts are converted
};

// Fills the target with the background colour and replays the list onto it, and at the same time
// onto the printer page when one is given.
void replayOnto(ReplayTarget target, GraphicsState& g, const DisplayList& list, bool& cancelled,
                const PrinterPage* printer = nullptr, ReplayPacer* pacer = nullptr);

// The list painted into a new image of `size` pixels.
QImage replayToImage(QSize size, GraphicsState& g, const DisplayList& list, bool& cancelled,
                     const FormatSettings* format = nullptr, ReplayPacer* pacer = nullptr);

}  // namespace vx11
