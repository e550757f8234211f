#include "ui/window_frontend.h"

#include "project/program_state.h"
#include "project/report_source.h"
#include "report/table_print.h"

namespace vx11 {

namespace {

Tdbf4Services browser_services(ProgramState& st, QtInteraction& ui) {
  Tdbf4Services s;
  s.title_line = st.identity.title + "  V" + st.identity.version;
  // A written HTML page opens in the configured browser, started like every other program.
  s.show_page = [&st](const std::string& path) {
    start_with_file(st.outlets.starter, st.ui, st.config.html_browser, path);
  };
  s.show_columns = [&ui](const std::string& caption, const std::string& text) { ui.columns_message(caption, text); };
  // "Print..": the first fields of every record through the report output, as any printout.
  s.print = [&st](const TableObject& table) {
    st.rec.cancelled = false;
    update_report_source(st);
    print_table(st.report, table);
    st.rec.cancelled = false;
  };
  return s;
}

}  // namespace

WindowFrontend::WindowFrontend(ProgramState& state, ProcessStarter& starter, QWidget* parent)
    : ui(state.format, state.identity, parent),
      browser(browser_services(state, ui), parent),
      printer(state.format, state.config, ui, parent),
      window(state.identity, state.config, printer, state.outlets.starter, ui, parent),
      starter_(starter) {}

FrontendTargets WindowFrontend::targets() { return FrontendTargets{ui, browser, window, printer, starter_}; }

QtInteraction* qt_interaction(Interaction& ui) {
  if (auto* forwarder = dynamic_cast<ForwardingInteraction*>(&ui)) return qt_interaction(forwarder->target());
  return dynamic_cast<QtInteraction*>(&ui);
}

void WindowFrontend::set_help(const DialogHelp& help) {
  ui.help = help;
  browser.services().help = help;
}

}  // namespace vx11
