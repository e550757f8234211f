// wvx11: the command-line mode and, when a window is asked for, the window (loaded as a module).
#include <iostream>
#include <string>
#include <vector>

#include "app/window_loader.h"
#include "project/cad_command.h"
#include "project/frontend_switch.h"
#include "project/program_state.h"
#include "project/startup.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);

  // The state is built before anyone knows whether a window opens: it talks to the person through
  // the switch, which the window points at its dialogs while it runs.
  vx11::FrontendSwitch frontend;
  vx11::ProgramState state(frontend.frontend());
  frontend.bind(state);

  state.cad_command = vx11::run_cad_command;
  vx11::load_configuration(state);
  if (vx11::is_batch_command_line(args)) {
    const auto code = vx11::start_program(state, args, 8, std::cout);
    return code.value_or(0);
  }
  return vx11::run_window_module(state, argc, argv, std::cerr);
}
