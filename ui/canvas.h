// The drawing canvas: the main window's client area. It holds the graphics state, the display list
// and the recording surface, repaints everything from the list (sharp at any zoom) and owns zoom
// and pan by keys, the rubber band and the mouse buttons.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/graphics_surface.h"
#include "draw/replay.h"
#include "project/configuration.h"
#include "report/format_settings.h"

namespace vx11 {

struct ZoomRect;

// The zoom rectangle of a rubber band between two points of the drawing area: the points are taken
// back to the world through the mapping in force, so the band's contents fill the view whatever
// the proportions of the world window. False when the points share an x or a y.
bool band_zoom(const GraphicsState& g, QPoint a, QPoint b, ZoomRect& out);

class Canvas : public QWidget, private ReplayPacer {
 public:
  explicit Canvas(QWidget* parent = nullptr);
  ~Canvas() override;

  // The recording surface the drawings go into.
  GraphicsSurface& surface() { return *surface_; }
  GraphicsState& graphics() { return graphics_; }
  const DisplayList& display_list() const { return list_; }

  // Binds the surface to the program's abort flag (a degenerate window sets it); until then the
  // canvas has a flag of its own. The window start-up attaches before anyone draws: a surface
  // taken earlier is replaced.
  void attach(bool& cancelled);
  bool& abort_flag() { return *abort_flag_; }

  // Size, zoom and pan factors, fonts, colours of the configuration; texts follow `format`.
  void configure(const Configuration& config, const FormatSettings& format);
  const FormatSettings* text_format() const { return format_; }

  // The list is replayed at the next chance; `render_now` replays at once (tests, printing).
  void invalidate();
  void render_now();
  const QImage& picture() const { return picture_; }
  int replay_count() const { return replays_; }

  // Replays onto the window and, at the same time, onto a printer page (the print run).
  void render_with_printer(const PrinterPage& page);

  // Pointer position in drawing-area pixels (the area is scaled into the widget).
  QPoint to_area(QPoint widget_pos) const;

  // Messages of the drawing layer ("... wird geplottet.."); shown where the window wants them.
  std::function<void(const QString&)> show_status;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  class View;
  void serveEvents() override;
  void replay(const PrinterPage* printer);
  void left_down(QPoint pos);

  GraphicsState graphics_;
  DisplayList list_;
  bool own_abort_flag_ = false;
  bool* abort_flag_ = &own_abort_flag_;
  std::unique_ptr<View> view_;
  std::optional<GraphicsSurface> surface_;
  const FormatSettings* format_ = nullptr;

  QImage picture_;  // the last replay, at the widget's size
  bool dirty_ = true;
  bool scheduled_ = false;
  bool replaying_ = false;
  bool again_ = false;
  int replays_ = 0;

  // Rubber band and double click.
  bool band_active_ = false;
  bool double_click_seen_ = false;
  QPoint band_start_, band_end_;
};

}  // namespace vx11
