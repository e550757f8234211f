#include "ui/sheet_refresh.h"

#include <QApplication>

#include "calc/rating.h"
#include "project/program_state.h"
#include "base/text.h"
#include "ui/command_groups.h"
#include "ui/main_window.h"

namespace vx11 {

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

bool read_rate_and_show(Thh& window, ProgramState& state) {
  auto input = state.input_file();
  read_input_file(input, state.session.current_file);
  if (state.rec.cancelled) return false;
  auto calc = state.calc();
  run_rating(calc);
  if (!state.rec.cancelled) state.session.unsaved_changes = false;
  refresh_after_rating(window, state);
  return true;
}

bool open_input_file(Thh& window, ProgramState& state, const std::string& path) {
  state.session.current_file = current_file_name(state.session, path);
  if (read_rate_and_show(window, state)) return true;
  state.session.current_file.clear();
  show_caption(window, state);
  return false;
}

std::string current_file_name(const Session& session, const std::string& path) {
  const std::string prefix = session.directory_prefix();
  const std::string ending = "." + session.data_extension;
  if (path.size() <= prefix.size() + ending.size() || !path.starts_with(prefix) || !path.ends_with(ending))
    return path;
  std::string name = path.substr(prefix.size(), path.size() - prefix.size() - ending.size());
  if (name.find_first_of("./") != std::string::npos) return path;
  return name;
}

}  // namespace vx11
