// The recording half of the drawing surface: a plotter-style interface in world coordinates whose
// operations append records to the display list. The window replays the list when it paints.
#pragma once

#include <string_view>

#include "calc/connection_record.h"
#include "draw/display_list.h"
#include "draw/graphics_state.h"

namespace vx11 {

// What the recording side asks of the window; the window implements it, tests and batch runs
// use the empty default.
class SurfaceView {
 public:
  virtual ~SurfaceView() = default;
  virtual void repaint() {}          // invalidate and show: the paint replays the list
  virtual void setWaitCursor() {}
  virtual void setDefaultCursor() {}
  virtual void moveTo(Real /*x*/, Real /*y*/) {}  // the canvas pen, not recorded
  virtual void showStatus(std::string_view /*text*/) {}
};

class GraphicsSurface {
 public:
  GraphicsSurface(GraphicsState& state, DisplayList& list, bool& cancelled, SurfaceView& view)
      : state_(state), list_(list), cancelled_(cancelled), view_(view) {}

  GraphicsState& state() { return state_; }
  const DisplayList& displayList() const { return list_; }
  SurfaceView& view() { return view_; }

  void SetWindow(bool keep_aspect, bool frame, Real fx1, Real fy1, Real fx2, Real fy2, Real wx1, Real wy1,
                 Real wx2, Real wy2);
  void Header(Real x1, Real y1, Real x2, Real y2);
  void SetScale(int x1, int y1, int x2, int y2);
  void ResetZoom();
  void ReSetWindow();
  void SaveLimit();
  void RestoreLimit();
  void Clear();
  void ClearViewPort();

  void line(Real x1, Real y1, Real x2, Real y2);
  void circle(Real x, Real y, Real r);
  void Arc(Real x, Real y, Real a1, Real a2, Real r);
  void Solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4);
  void OutTextXY(Real x, Real y, std::string_view text);
  void SetTextStyle(int font, Real angle, Real height, Real width);
  void SetColor(int index);
  void SetColorAcad(int n) { SetColor(GetColorTurbo(n)); }
  void SetLineStyle(int style);
  void SetLineWidth(int width);
  void MoveTo(Real x, Real y) { view_.moveTo(x, y); }
  void SetWaitCursor() { view_.setWaitCursor(); }
  void SetOldCursor() { view_.setDefaultCursor(); }
  void DrawKorvantLogo();

  // The record filters; the replay resets the last style and width to these start values.
  int lastColour() const { return last_colour_; }
  int lastLineStyle() const { return last_line_style_; }
  int lastLineWidth() const { return last_line_width_; }
  void resetPenFilters() {
    last_line_style_ = 99;
    last_line_width_ = 1;
  }

 private:
  GraphicsState& state_;
  DisplayList& list_;
  bool& cancelled_;
  SurfaceView& view_;
  int last_colour_ = -1;
  int last_line_style_ = 99;
  int last_line_width_ = 1;
};

}  // namespace vx11
