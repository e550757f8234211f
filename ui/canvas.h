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
#include "draw/mapping.h"
#include "base/format_settings.h"

namespace vx11 {

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

  // Zoom and pan factors, fonts, colours of the configuration; texts follow `format`. The drawing
  // area is the configured size until the canvas is shown, then the canvas's own size, so that a
  // drawing started now fills it. Forgets the redraw of the last view.
  void configure(const Configuration& config, const FormatSettings& format);

  // How the content is drawn again at a new size (a view of the window). Without one a resize shows
  // the recorded area scaled into the canvas, the same in x and y.
  void set_redraw(std::function<void()> redraw) { redraw_ = std::move(redraw); }

  // The View menu's zoom: one step in or out about the middle, and the whole drawing.
  void zoom_in();
  void zoom_out();
  void fit_all();
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
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  class View;
  void serveEvents() override;
  void replay(const PrinterPage* printer);
  void left_down(QPoint pos);
  void zoom_to(const ZoomRect& z);
  // A view drawn before the canvas had its size (or before a resize) is drawn again at it.
  void redraw_at_size();
  // The drawing area follows the shown canvas; false when it already has its size.
  bool take_widget_size();

  std::function<void()> redraw_;
  int wheel_rest_ = 0;  // wheel angle not yet turned into a step

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
