// Help pictures recorded into the graphics surface, so they land in the display list the window replays.
#pragma once

#include <string_view>

#include "draw/graphics_surface.h"
#include "help/hpgl_sink.h"

namespace vx11 {

class SurfaceHelpCanvas : public HelpCanvas {
 public:
  explicit SurfaceHelpCanvas(GraphicsSurface& surface) : surface_(surface) {}

  // Empties the list; a world window set before is recorded again, so the picture keeps its frame.
  void clear() override;
  // The help window spans (0, 0) to (width, height) like a drawing frame: aspect kept, zoom reset.
  void setWorldWindow(Real width, Real height) override;
  void moveTo(Real x, Real y) override;
  void lineTo(Real x, Real y) override;
  void selectPen(int pen, int colour) override;
  void circle(Real cx, Real cy, Real r) override;
  void arc(Real cx, Real cy, Real r, Real start, Real sweep) override;
  void text(Real x, Real y, std::string_view text, Real width, Real height, Real angle) override;

 private:
  GraphicsSurface& surface_;
  Real x_ = 0, y_ = 0;
  Real world_w_ = 0, world_h_ = 0;  // 0: no help window set yet
  bool just_cleared_ = false;       // clear() recorded the help window and nothing came since
};

}  // namespace vx11
