// One run of the main window on a program state: the window with its commands, the dialogs behind
// the person's steps, the start-up of the command line and the window's size. wvx11's window and the
// acceptance tests build it the same way.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/frontend_switch.h"
#include "ui/main_window.h"
#include "ui/program_reaper.h"
#include "ui/window_frontend.h"

namespace vx11 {

class ProgramState;

class WindowProgram {
 public:
  // Runs the start-up; `ended` then tells whether the program is to end instead of showing the
  // window. `args` are the parameters without the program name.
  WindowProgram(ProgramState& state, const std::vector<std::string>& args);
  // Keeps the session and the window's size when the window ran.
  ~WindowProgram();
  WindowProgram(const WindowProgram&) = delete;
  WindowProgram& operator=(const WindowProgram&) = delete;

  std::optional<int> ended() const { return ended_; }
  Thh& window() { return window_; }
  WindowFrontend& frontend() { return frontend_; }
  // Shows the window at its start size.
  void show();

 private:
  ProgramState& state_;
  Thh window_;
  WindowFrontend frontend_;
  // Only while the window lives do the person's steps go to its dialogs.
  FrontendScope scope_;
  // Collects the programs the window starts while it runs.
  ProgramReaper reaper_;
  std::optional<int> ended_;
  bool shown_ = false;
};

}  // namespace vx11
