#include "ui/window_entry.h"

#include <QApplication>

#include "ui/command_groups.h"
#include "ui/main_window.h"

namespace vx11 {

int run_window(ProgramState* state, int argc, char** argv) {
  int qt_argc = argc;        // QApplication keeps a reference for its whole life
  QApplication app(qt_argc, argv);
  Thh window;
  install_file_commands(window, *state);
  install_view_commands(window, *state);
  install_help_commands(window, *state);
  install_sheet_commands(window, *state);
  window.show();
  return app.exec();
}

}  // namespace vx11

extern "C" int vx11_window_main(void* program_state, int argc, char** argv) {
  return vx11::run_window(static_cast<vx11::ProgramState*>(program_state), argc, argv);
}
