// wvx11: the command-line mode and, when a window is asked for, the window (loaded as a module).
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/window_loader.h"
#include "calc/table_browser.h"
#include "project/program_state.h"
#include "project/startup.h"
#include "report/interaction.h"
#include "report/report_outlets.h"

namespace {

// The batch printer needs the state's settings, which exist only once the state is built.
class DeferredTextPrinter : public vx11::TextPrinter {
 public:
  void print(const std::string& cp850_path) override {
    if (target) target->print(cp850_path);
  }
  std::optional<vx11::LpTextPrinter> target;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);

  vx11::BatchInteraction ui;
  vx11::BatchTableBrowser browser;
  vx11::RecordingTextWindow text_window;
  vx11::SpawnProcessStarter starter;
  DeferredTextPrinter printer;
  vx11::ProgramState state(vx11::Frontend{ui, browser, vx11::ReportOutlets{text_window, printer, starter}});
  printer.target.emplace(state.format, state.config.temp_folder, starter, ui);

  vx11::load_configuration(state);
  if (vx11::is_batch_command_line(args)) {
    const auto code = vx11::start_program(state, args, 8, std::cout);
    return code.value_or(0);
  }
  return vx11::run_window_module(state, argc, argv, std::cerr);
}
