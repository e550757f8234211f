// The OLE menu: the spreadsheet link of the main window. The work is done by the spreadsheet
// exchange; here it is wired to the window's items, its refresh and the program state.
#include <memory>

#include "project/input_file.h"
#include "project/printouts.h"
#include "project/program_state.h"
#include "report/spreadsheet_exchange.h"
#include "base/text.h"
#include "ui/command_groups.h"
#include "ui/file_command_parts.h"
#include "ui/main_window.h"
#include "ui/sheet_refresh.h"

namespace vx11 {

namespace {

SpreadsheetContext context_of(ProgramState& state) {
  return SpreadsheetContext{state.format, state.ui, state.outlets.starter, state.temp_folder(),
                            state.rec.cancelled};
}

// The path the current input file is read from; empty without a current file.
std::string current_input_path(const ProgramState& state) {
  const Session& s = state.session;
  return s.current_file.empty() ? std::string() : resolve_input_path(s, s.current_file);
}

// The full report through the tab-separated channel, headed by the current file.
class StateTabReport : public TabReportWriter {
 public:
  explicit StateTabReport(ProgramState& state) : state_(state) {}
  std::string write_tab_report() override {
    PassiveDescriptionDialog dialog;  // a fatal run never gets here
    writeResultReport(state_, dialog, PrintTarget{kChannelTabFile, nullptr});
    return state_.rec.cancelled ? std::string() : state_.report.converted_path();
  }

 private:
  ProgramState& state_;
};

void start_excel(Thh& window, ProgramState& state, SpreadsheetLink& link) {
  state.rec.cancelled = false;
  SpreadsheetContext ctx = context_of(state);
  start_spreadsheet(ctx, link, current_input_path(state));
  window.set_excel_started(link.started);
}

void export_excel(Thh& window, ProgramState& state, SpreadsheetLink& link) {
  state.rec.cancelled = false;
  Session& s = state.session;
  if (s.unsaved_changes && !s.current_file.empty()) {
    auto input = state.input_file();
    write_input_file(input, s.current_file, InputFileOptions{state.config.archive_flag, ""}, false);
    if (state.rec.cancelled) return;
    s.unsaved_changes = false;
    show_caption(window, state);
  }
  SpreadsheetContext ctx = context_of(state);
  export_input_data(ctx, link, current_input_path(state));
}

void import_excel(Thh& window, ProgramState& state, SpreadsheetLink& link) {
  state.rec.cancelled = false;
  const std::string target = current_input_path(state);
  if (target.empty()) {
    state.ui.message(kCaptionInfo, spreadsheet_text::kFileNotFound);
    state.rec.cancelled = true;
    return;
  }
  SpreadsheetContext ctx = context_of(state);
  if (!import_input_data(ctx, link, {}, target)) return;
  read_rate_and_show(window, state);
}

void printout_excel(Thh& window, ProgramState& state, SpreadsheetLink& link) {
  state.rec.cancelled = false;
  SpreadsheetContext ctx = context_of(state);
  StateTabReport writer(state);
  if (printout_to_spreadsheet(ctx, link, state.config, state.rec.fatal_error, writer) !=
      PrintoutOutcome::ShowMessages)
    return;
  // The window's message dialog when it has one.
  if (window.run_command(Command::HelpErrorMessages)) return;
  WindowDescriptions descriptions(window);
  showMessages(state, descriptions.dialog());
}

}  // namespace

void install_sheet_commands(Thh& window, ProgramState& state) {
  // One link for the run: Export and Import open the workbooks in the program Start Excel found.
  auto link = std::make_shared<SpreadsheetLink>();
  window.set_handler(Command::OleStartExcel, [&window, &state, link] { start_excel(window, state, *link); });
  window.set_handler(Command::OleExportExcel, [&window, &state, link] { export_excel(window, state, *link); });
  window.set_handler(Command::OleImportExcel, [&window, &state, link] { import_excel(window, state, *link); });
  window.set_handler(Command::OlePrintoutExcel,
                     [&window, &state, link] { printout_excel(window, state, *link); });
}

}  // namespace vx11
