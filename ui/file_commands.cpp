#include "calc/rating.h"
#include "docu/documentation.h"
#include "project/input_file.h"
#include "project/printouts.h"
#include "project/program_state.h"
#include "project/startup.h"
#include "project/window_session.h"
#include "base/text.h"
#include "ui/command_groups.h"
#include "ui/docu_dialogs.h"
#include "ui/file_command_parts.h"
#include "ui/form_preview.h"
#include "ui/main_window.h"
#include "ui/quick_input.h"
#include "ui/tconfig.h"
#include "ui/window_geometry.h"
#include "ui/window_refresh.h"

namespace vx11 {

namespace {

// Commands start with a clear abort flag; the question before replacing the inputs may set it.
bool may_replace_inputs(ProgramState& st) {
  st.rec.cancelled = false;
  ask_save_changes(st);
  if (!st.rec.cancelled) return true;
  st.rec.cancelled = false;
  return false;
}

void file_new(Thh& w, ProgramState& st) {
  if (!may_replace_inputs(st)) return;
  auto ctx = st.input_file();
  read_template_file(ctx);
  st.rec.cancelled = false;
  st.session.current_file.clear();
  show_caption(w, st);
  new_documentation(st.doc, dateText(st.format));
  QtDocumentationDialogs docu(st.format, st.identity.title, st.ui, w.help, st.config.input_window_scale, &w);
  const bool all = run_quick_input(st, docu, w.help, &w);
  st.rec.cancelled = false;
  auto calc = st.calc();
  run_rating(calc);
  st.rec.cancelled = false;
  st.session.unsaved_changes = true;
  if (all) {
    WindowDescriptions descriptions(w);
    showMessages(st, descriptions.dialog());
    st.rec.cancelled = false;
  }
  refresh_after_rating(w, st);
}

void file_open(Thh& w, ProgramState& st) {
  if (!may_replace_inputs(st)) return;
  auto ctx = st.input_file();
  read_input_file(ctx, "");
  if (st.rec.cancelled) {
    st.rec.cancelled = false;
    return;
  }
  st.session.unsaved_changes = false;
  add_recent_file(st.session, st.session.current_file);
  rate_and_refresh(w, st);
}

// Save and Save As: the current name without the overwrite question, or the save dialog. A save
// under a name the dialog chose puts the file at the head of the recent files.
void file_save(Thh& w, ProgramState& st, bool as) {
  st.rec.cancelled = false;
  const std::string name = as ? std::string() : st.session.current_file;
  auto ctx = st.input_file();
  write_input_file(ctx, name, st.input_file_options(), name.empty());
  if (!st.rec.cancelled) {
    st.session.unsaved_changes = false;
    if (name.empty()) add_recent_file(st.session, st.session.current_file);
  }
  st.rec.cancelled = false;
  show_caption(w, st);
  show_recent_files(w, st);
}

void file_config(Thh& w, ProgramState& st) {
  st.rec.cancelled = false;
  Tconfig d(st, screen_metrics(&w), w.help, qt_config_pickers(st, &w), &w);
  // The client area takes the size; the frame and the menu bar come on top of it.
  d.window_size_changed = [&w](int width, int height) { size_main_window(w, QSize(width, height)); };
  const bool ok = d.exec() == QDialog::Accepted;
  st.rec.cancelled = false;
  if (ok && st.config.language > 0 && st.config.language != w.language()) w.set_language(st.config.language);
  // The background colour and the number formats may have changed.
  redraw_current_view(w, st);
}

void file_recent(Thh& w, ProgramState& st, int slot) {
  const bool read = open_recent_file(st, slot);
  st.rec.cancelled = false;
  if (read) rate_and_refresh(w, st);
  show_caption(w, st);
  show_recent_files(w, st);
}

}  // namespace

WindowDescriptions::WindowDescriptions(const Thh& window)
    : dialog_(window.descriptions ? window.descriptions : &passive_) {}

void install_file_commands(Thh& window, ProgramState& state) {
  Thh& w = window;
  ProgramState& st = state;
  w.set_handler(Command::FileNew, [&w, &st] { file_new(w, st); });
  w.set_handler(Command::FileOpen, [&w, &st] { file_open(w, st); });
  w.set_handler(Command::FileOpenTable, [&w, &st] {
    open_result_table(w, st);
    show_recent_files(w, st);
  });
  w.set_handler(Command::FileSave, [&w, &st] { file_save(w, st, false); });
  w.set_handler(Command::FileSaveAs, [&w, &st] { file_save(w, st, true); });
  w.set_handler(Command::FileConfig, [&w, &st] { file_config(w, st); });
  const Command recent[] = {Command::File1, Command::File2, Command::File3, Command::File4};
  for (int k = 1; k <= 4; ++k) w.set_handler(recent[k - 1], [&w, &st, k] { file_recent(w, st, k); });
  // Exit closes the window, which runs the close query.
  w.language_changed = [&w, &st](int code) {
    st.config.language = code;
    show_caption(w, st);
    show_recent_files(w, st);
  };
  install_edit_commands(w, st);
  install_database_commands(w, st);
  install_docu_commands(w, st);
  install_report_commands(w, st);
}

}  // namespace vx11
