#include "project/running_program.h"

#include "project/cad_command.h"
#include "project/startup.h"

namespace vx11 {

// The state talks to the person through the switch, which a window points at its dialogs while
// it runs.
RunningProgram::RunningProgram(const ScreenMetrics& screen) : state(frontend.frontend()) {
  frontend.bind(state);
  state.cad_command = run_cad_command;
  load_configuration(state, screen);
}

}  // namespace vx11
