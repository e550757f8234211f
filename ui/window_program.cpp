#include "ui/window_program.h"

#include "project/program_state.h"
#include "project/window_session.h"
#include "ui/window_geometry.h"
#include "ui/window_startup.h"

namespace vx11 {

namespace {

ProcessStarter& starter_of(ProgramState& st) {
  FrontendSwitch* sw = st.frontend_switch;
  return sw ? sw->batch_targets().starter : st.outlets.starter;
}

std::string size_file(const ProgramState& st) { return window_size_file(st.config_folder, st.identity); }

}  // namespace

WindowProgram::WindowProgram(ProgramState& state, const std::vector<std::string>& args)
    : state_(state),
      frontend_(state, starter_of(state), &window_),
      scope_(state.frontend_switch, frontend_.targets()),
      reaper_(starter_of(state)) {
  ended_ = start_window(window_, state_, args);
  if (ended_) return;
  // The help system fills the window's help or the dialogs' one; both serve every dialog.
  if (!window_.help.text && !window_.help.picture) window_.help = frontend_.ui.help;
  frontend_.set_help(window_.help);
}

WindowProgram::~WindowProgram() {
  if (ended_) return;
  if (shown_) save_last_client_size(size_file(state_), window_.centralWidget()->size());
  // Still inside the window's scope: a failed write is shown in a box and its retry question can be
  // answered there, not lost on standard error.
  save_session(state_);
}

void WindowProgram::show() {
  const ScreenMetrics screen = screen_metrics();
  size_main_window(window_, start_client_size(state_.config, screen, read_last_client_size(size_file(state_))));
  window_.show();
  shown_ = true;
}

}  // namespace vx11
