#include "project/frontend_switch.h"

#include "project/program_state.h"

namespace vx11 {

FrontendSwitch::FrontendSwitch()
    : ui_(batch_ui_),
      browser_(batch_browser_),
      window_(batch_window_),
      printer_(unbound_printer_),
      starter_(batch_starter_) {}

Frontend FrontendSwitch::frontend() { return Frontend{ui_, browser_, ReportOutlets{window_, printer_, starter_}}; }

void FrontendSwitch::bind(ProgramState& state) {
  // The printer asks and reports through the forwarder, so it follows a switch as well.
  batch_printer_.emplace(state.format, [&state] { return state.temp_folder(); }, starter_, ui_);
  if (batch()) printer_.set_target(*batch_printer_);
  state.frontend_switch = this;
}

FrontendTargets FrontendSwitch::batch_targets() {
  TextPrinter& printer = batch_printer_ ? static_cast<TextPrinter&>(*batch_printer_) : unbound_printer_;
  return FrontendTargets{batch_ui_, batch_browser_, batch_window_, printer, batch_starter_};
}

void FrontendSwitch::use(const FrontendTargets& targets) {
  ui_.set_target(targets.ui);
  browser_.set_target(targets.browser);
  window_.set_target(targets.window);
  printer_.set_target(targets.printer);
  starter_.set_target(targets.starter);
}

void FrontendSwitch::use_batch() { use(batch_targets()); }

}  // namespace vx11
