#include "project/printouts.h"

#include "project/report_source.h"
#include "report/message_section.h"
#include "report/result_report.h"

namespace vx11 {

namespace {

// Every printout's headers show the current file and its information lines.
template <typename Write>
void withPrintout(ProgramState& s, DescriptionDialog& dialog, Write write) {
  update_report_source(s);
  MessageBrowsing browsing = messageBrowsing(s, dialog);
  PrintoutContext p{s.report, s.rec, s.messages, s.format, s.identity, s.rec.cancelled, browsing};
  write(p);
}

}  // namespace

MessageBrowsing messageBrowsing(ProgramState& s, DescriptionDialog& dialog, bool no_prompts) {
  return {s.messages,
          s.rec.cancelled,
          s.help_number,
          s.config.help_level,
          no_prompts || s.no_gui,
          s.identity.title,
          descriptionFiles(s.config, s.identity),
          s.ui,
          dialog};
}

void writeResultReport(ProgramState& s, DescriptionDialog& dialog, PrintTarget target) {
  withPrintout(s, dialog, [&](PrintoutContext& p) { writeResultReport(p, target); });
}

void writeExcerpt(ProgramState& s, DescriptionDialog& dialog, PrintTarget target) {
  withPrintout(s, dialog, [&](PrintoutContext& p) { writeExcerpt(p, target); });
}

void printMessages(ProgramState& s, DescriptionDialog& dialog) {
  withPrintout(s, dialog, [&](PrintoutContext& p) { printMessages(p); });
}

void showMessages(ProgramState& s, DescriptionDialog& dialog, bool no_prompts) {
  MessageBrowsing browsing = messageBrowsing(s, dialog, no_prompts);
  showMessages(browsing);
}

}  // namespace vx11
