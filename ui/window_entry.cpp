#include "ui/window_entry.h"

#include <QApplication>

#include "ui/main_window.h"

namespace vx11 {

int run_window(ProgramState* state, int argc, char** argv) {
  static_cast<void>(state);  // the start-up wires the state into the window
  int qt_argc = argc;        // QApplication keeps a reference for its whole life
  QApplication app(qt_argc, argv);
  Thh window;
  window.show();
  return app.exec();
}

}  // namespace vx11

extern "C" int vx11_window_main(void* program_state, int argc, char** argv) {
  return vx11::run_window(static_cast<vx11::ProgramState*>(program_state), argc, argv);
}
