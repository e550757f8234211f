#include "project/printouts.h"
#include "project/program_state.h"
#include "project/report_source.h"
#include "ui/command_groups.h"
#include "ui/file_command_parts.h"
#include "ui/main_window.h"

namespace vx11 {

namespace {

using Printout = void (*)(ProgramState&, DescriptionDialog&, PrintTarget);

// The report and the excerpt go to the configured output (the text window unless set otherwise).
void print_report(Thh& w, ProgramState& st, Printout write) {
  st.rec.cancelled = false;
  update_report_source(st);
  WindowDescriptions descriptions(w);
  write(st, descriptions.dialog(), PrintTarget{});
  st.rec.cancelled = false;
}

}  // namespace

void install_report_commands(Thh& window, ProgramState& state) {
  Thh& w = window;
  ProgramState& st = state;
  w.set_handler(Command::ViewStandard, [&w, &st] { print_report(w, st, writeResultReport); });
  w.set_handler(Command::ViewExcerpt, [&w, &st] { print_report(w, st, writeExcerpt); });
}

}  // namespace vx11
