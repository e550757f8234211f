#include "ui/window_startup.h"

#include <sstream>

#include "project/program_state.h"
#include "project/startup.h"
#include "project/window_session.h"
#include "ui/command_groups.h"
#include "ui/main_window.h"
#include "ui/window_refresh.h"

namespace vx11 {

std::optional<int> start_window(Thh& window, ProgramState& state, const std::vector<std::string>& args) {
  ProgramState& st = state;
  install_file_commands(window, st);
  install_view_commands(window, st);
  install_help_commands(window, st);
  install_sheet_commands(window, st);
  window.close_query = [&st] { return may_close(st); };

  load_session(st);
  show_recent_files(window, st);
  // The window branch writes nothing to the terminal; the help screen is a batch run.
  std::ostringstream unused;
  if (const auto code = start_program(st, args, 8, unused)) return code;
  st.rec.cancelled = false;
  if (st.config.language > 0) window.set_language(st.config.language);
  show_rating_summary(window, st);
  // A file of the command line opens with the start view, whatever result graphic is configured.
  if (st.session.started_with_file)
    show_start_view(window, st);
  else
    redraw_current_view(window, st);
  return std::nullopt;
}

bool may_close(ProgramState& state) {
  state.rec.cancelled = false;
  ask_save_changes(state);
  const bool close = !state.rec.cancelled;
  state.rec.cancelled = false;
  if (close) delete_temporary_block_files(state);
  return close;
}

}  // namespace vx11
