// The help system of the window: help boxes, help pictures in a window of their own above the window
// or dialog that asked, the picture list, tooltips, and the help actions handed to the dialogs. One
// per main window, living as its child.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/graphics_surface.h"
#include "help/help_show.h"
#include "help/picture_list.h"
#include "help/surface_canvas.h"
#include "ui/dialog_help.h"

class QWidget;

namespace vx11 {

class ProgramState;

class HelpDesk : public QObject {
 public:
  HelpDesk(QWidget* window, ProgramState& state);
  ~HelpDesk() override;

  // The desk of a window, made on first use; find() gives it without making one.
  static HelpDesk& of(QWidget* window, ProgramState& state);
  static HelpDesk* find(QWidget* window);

  // The CAD screen output goes to the surface the provider gives at the time of drawing (the canvas
  // may replace its surface); without one it is recorded on a surface of the desk's own that nothing
  // shows.
  void set_surface_provider(std::function<GraphicsSurface*()> provider) { provider_ = std::move(provider); }
  void set_surface(GraphicsSurface* surface) {
    set_surface_provider([surface] { return surface; });
  }
  GraphicsSurface& surface();

  // Help n (0: the current number) as help box and/or picture; the abort flag ends clear.
  void show_help(int n, HelpMode mode);
  // The help-picture list until the person ends it.
  void show_pictures();
  // Help text n as a label's tooltip: empty at help level 0 or without a text.
  QString tooltip(int n) const;
  // Text and picture of the current help number, and tooltips, for the dialogs.
  DialogHelp dialog_help();

  HelpSettings settings() const;

 private:
  // The picture window above the active dialog (the main window when none is open), shown.
  class HelpPictureWindow& picture_window();

  QWidget* window_;
  ProgramState& state_;
  std::function<GraphicsSurface*()> provider_;
  GraphicsState own_state_;
  DisplayList own_list_;
  SurfaceView own_view_;
  GraphicsSurface own_surface_;
  PictureListState pictures_;
};

}  // namespace vx11
