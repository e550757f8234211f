// wvx11: the command-line mode and, when a window is asked for, the window (loaded as a module).
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/window_loader.h"
#include "project/running_program.h"
#include "project/startup.h"

namespace {

int run(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The window module builds its own program state: it holds a core of its own, bound to the
  // shared C++ runtime that Qt uses, while this program carries its runtime inside.
  if (!vx11::is_batch_command_line(args)) return vx11::run_window_module(argc, argv, std::cerr);
  vx11::RunningProgram program;
  return vx11::start_program(program.state, args, 8, std::cout).value_or(0);
}

}  // namespace

int main(int argc, char** argv) {
  // Whatever escapes a run ends it with its reason and exit code 1, never with an abort. The
  // program state is gone by now, so its temporary folder is removed as well.
  try {
    return run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "wvx11: Abbruch: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "wvx11: Abbruch durch einen unbekannten Fehler\n";
  }
  return 1;
}
