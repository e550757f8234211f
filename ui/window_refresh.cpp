#include "ui/window_refresh.h"

#include "calc/rating.h"
#include "project/program_state.h"
#include "base/text.h"
#include "ui/command_groups.h"
#include "ui/main_window.h"

namespace vx11 {

QString shown_text(const ProgramState& st, const std::string& cp850) {
  return QString::fromStdString(toWindows(st.format, cp850));
}

void show_caption(Thh& window, const ProgramState& st) {
  window.setWindowTitle(shown_text(st, caption_text(st.identity, st.session)));
}

namespace {

// "&k name" with the name as the file system gives it; an "&" in the name is a letter, not the
// menu's shortcut mark.
std::string recent_file_menu_text(const Session& s, int slot) {
  std::string name;
  for (const char c : recent_file_short_name(s, slot)) name += c == '&' ? std::string("&&") : std::string(1, c);
  return "&" + std::to_string(slot) + " " + name;
}

}  // namespace

void show_recent_files(Thh& window, const ProgramState& st) {
  std::array<std::string, 4> captions;
  for (int k = 1; k <= 4; ++k)
    if (!st.session.recent[k - 1].empty())
      captions[k - 1] = recent_file_menu_text(st.session, k);
  window.set_recent_files(captions);
}

void show_rating_summary(Thh& window, const ProgramState& st) {
  window.set_message_count(st.messages.count());
  show_caption(window, st);
  show_recent_files(window, st);
}

void refresh_after_rating(Thh& window, ProgramState& st) {
  show_rating_summary(window, st);
  redraw_current_view(window, st);
}

void rate(ProgramState& st) {
  st.rec.cancelled = false;
  auto calc = st.calc();
  run_rating(calc);
  st.rec.cancelled = false;
}

void rate_and_refresh(Thh& window, ProgramState& st) {
  rate(st);
  refresh_after_rating(window, st);
}

}  // namespace vx11
