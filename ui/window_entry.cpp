#include "ui/window_entry.h"

#include <QApplication>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "project/frontend_switch.h"
#include "project/program_state.h"
#include "project/running_program.h"
#include "project/window_session.h"
#include "ui/main_window.h"
#include "ui/program_reaper.h"
#include "ui/window_frontend.h"
#include "ui/window_startup.h"

namespace vx11 {

int run_window(ProgramState* state, int argc, char** argv) {
  ProgramState& st = *state;
  const std::vector<std::string> args(argv + 1, argv + argc);
  int qt_argc = argc;  // QApplication keeps a reference for its whole life
  QApplication app(qt_argc, argv);
  int code = 0;
  {
    Thh window;
    FrontendSwitch* sw = st.frontend_switch;
    ProcessStarter& starter = sw ? sw->batch_targets().starter : st.outlets.starter;
    WindowFrontend frontend(st, starter, &window);
    // Only while the window lives do the person's steps go to its dialogs.
    FrontendScope scope(sw, frontend.targets());
    if (const auto end = start_window(window, st, args)) return *end;
    // The help system fills the window's help or the dialogs' one; both serve every dialog.
    if (!window.help.text && !window.help.picture) window.help = frontend.ui.help;
    frontend.set_help(window.help);
    ProgramReaper reaper(starter);
    window.show();
    code = app.exec();
    // Still inside the window's scope: a failed write is shown in a box and its retry question
    // can be answered there, not lost on standard error.
    save_session(st);
  }
  return code;
}

}  // namespace vx11

extern "C" int vx11_window_main(int argc, char** argv) {
  // Nothing may leave the module as an exception: the program that loaded it has a C++ runtime
  // of its own.
  try {
    vx11::RunningProgram program;
    return vx11::run_window(&program.state, argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "VX11: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "VX11: unbekannter Fehler\n";
  }
  return 1;
}
