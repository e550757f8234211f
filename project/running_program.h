// The program state of one run, as wvx11 and the window module build it at start: the person is
// reached through the frontend switch, CAD output is wired, and the configuration is read.
#pragma once

#include "project/frontend_switch.h"
#include "project/program_state.h"

namespace vx11 {

struct RunningProgram {
  // `screen` fits a window size the configuration leaves open; the default is a 1024 by 768 screen.
  explicit RunningProgram(const ScreenMetrics& screen = {});
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  FrontendSwitch frontend;
  ProgramState state;
};

}  // namespace vx11
