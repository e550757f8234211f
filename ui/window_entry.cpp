#include "ui/window_entry.h"

#include <QApplication>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "project/running_program.h"
#include "ui/window_geometry.h"
#include "ui/window_program.h"

namespace vx11 {

int run_window(ProgramState* state, int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  WindowProgram program(*state, args);
  if (const auto end = program.ended()) return *end;
  program.show();
  return QApplication::exec();
}

}  // namespace vx11

extern "C" int vx11_window_main(int argc, char** argv) {
  // Nothing may leave the module as an exception: the program that loaded it has a C++ runtime
  // of its own.
  try {
    int qt_argc = argc;  // QApplication keeps a reference for its whole life
    QApplication app(qt_argc, argv);
    // The configuration fits an unset window size to this screen.
    vx11::RunningProgram program(vx11::screen_metrics());
    return vx11::run_window(&program.state, argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "VX11: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "VX11: unbekannter Fehler\n";
  }
  return 1;
}
