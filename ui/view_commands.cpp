// The drawing headers come before Qt's: Qt's "emit" would otherwise rewrite a member name.
#include "draw/connection_drawing.h"
#include "draw/qt/view_drawing.h"

#include <QObject>
#include <QPrinter>

#include <functional>
#include <memory>

#include "project/printouts.h"
#include "project/program_state.h"
#include "ui/canvas.h"
#include "ui/command_groups.h"
#include "ui/file_command_parts.h"
#include "ui/main_window.h"
#include "ui/print_dialog.h"

namespace vx11 {

namespace {

// What the view commands keep while the window lives: the view on the canvas, the printer and the
// last setup taken.
class ViewSession : public QObject {
 public:
  ViewSession(Thh& window, ProgramState& state) : QObject(&window), window_(window), state_(state) {
    setObjectName("view_session");
  }

  // Draws the view and keeps it as the one the canvas shows; after a fatal run the notice and the
  // message dialog.
  void show(int view) {
    shown_ = view;
    draw(true);
  }
  int shown() const { return shown_; }

  // The shown view drawn again from the record (after a rating or at a new canvas size).
  void draw(bool with_messages) {
    state_.rec.cancelled = false;
    Canvas& canvas = *window_.canvas();
    canvas.configure(state_.config, state_.format);
    if (shown_ == kShownNothing && !state_.rec.fatal_error) {
      canvas.surface().Clear();
      return;
    }
    std::function<void()> messages;
    if (with_messages) messages = [this] { show_messages(); };
    draw_view(state_, canvas.surface(), shown_, messages);
    state_.rec.cancelled = false;
    canvas.set_redraw([this] { draw(false); });
  }

  // The window's description dialog once the help commands have given it one.
  void show_messages() {
    WindowDescriptions descriptions(window_);
    showMessages(state_, descriptions.dialog());
  }

  void print(PrintDialogMode mode) {
    state_.rec.cancelled = false;
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    show_print_dialog(PrintDialogContext{state_, *window_.canvas(), *printer_, setup_row_, window_.help}, mode, &window_);
  }

 private:
  Thh& window_;
  ProgramState& state_;
  int shown_ = kShownNothing;
  std::unique_ptr<QPrinter> printer_;
  int setup_row_ = 0;
};

ViewSession* session_of(Thh& window) {
  return window.findChild<ViewSession*>("view_session", Qt::FindDirectChildrenOnly);
}

ViewSession& ensure_session(Thh& window, ProgramState& state) {
  if (ViewSession* s = session_of(window)) return *s;
  return *new ViewSession(window, state);
}

}  // namespace

void install_view_commands(Thh& window, ProgramState& state) {
  Canvas& canvas = *window.canvas();
  canvas.attach(state.rec.cancelled);
  canvas.configure(state.config, state.format);
  ViewSession& views = ensure_session(window, state);
  window.set_handler(Command::ViewQuick, [&views] { views.show(kShownQuick); });
  window.set_handler(Command::ViewAssembly, [&views] { views.show(kViewAssembly); });
  window.set_handler(Command::ViewKey, [&views] { views.show(kViewKey); });
  window.set_handler(Command::ViewShaft, [&views] { views.show(kViewShaft); });
  window.set_handler(Command::ViewHub, [&views] { views.show(kViewHub); });
  window.set_handler(Command::FilePrint, [&views] { views.print(PrintDialogMode::Print); });
  window.set_handler(Command::FilePrinterSetup, [&views] { views.print(PrintDialogMode::PrinterInfo); });
}

void redraw_current_view(Thh& window, ProgramState& state) {
  ViewSession& views = ensure_session(window, state);
  const int view = view_after_rating(state.config, state.rec.fatal_error, views.shown());
  if (view == kShownMessages) {
    // The view the person chose comes back after the next good rating; until then the notice.
    views.draw(true);
  } else {
    views.show(view);
  }
}

void show_view(Thh& window, ProgramState& state, int view) { ensure_session(window, state).show(view); }

void show_start_view(Thh& window, ProgramState& state) {
  if (!state.session.started_with_file || state.config.help_level == 0) return;
  ensure_session(window, state).show(kShownQuick);
}

}  // namespace vx11
