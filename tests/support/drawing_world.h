// A drawing output with everything it draws through, for the tests and fuzz targets that drive it:
// the person's side (`Ui`) and the starter of plot commands (`Starter`) are theirs to choose.
#pragma once

#include <string>
#include <utility>

#include "cad/cad_settings.h"
#include "cad/drawing_output.h"
#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/graphics_surface.h"
#include "base/format_settings.h"
#include "base/message_list.h"

namespace vx11::test {

template <class Ui, class Starter>
struct DrawingWorld {
  explicit DrawingWorld(std::string temp_folder) {
    cad.temp_folder = std::move(temp_folder);
    out.batch = true;
  }
  DrawingWorld(const DrawingWorld&) = delete;
  DrawingWorld& operator=(const DrawingWorld&) = delete;

  CadSettings cad;
  FormatSettings format;
  MessageList messages;
  Ui ui;
  bool cancelled = false;
  GraphicsState graphics;
  DisplayList list;
  SurfaceView view;
  GraphicsSurface surface{graphics, list, cancelled, view};
  Starter starter;
  DrawingOutput out{CadContext{cad, format, messages, ui, cancelled, surface, starter, nullptr}};
};

}  // namespace vx11::test
