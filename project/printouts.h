// The printouts of a rating and the message dialog, over the program state.
#pragma once

#include "project/program_state.h"
#include "report/message_browser.h"
#include "report/printout.h"

namespace vx11 {

// The message dialog's reach: the run's messages, the description files of the configuration,
// "Hilfegrad", and "/NOGUI" (or `no_prompts`, start-up without prompts) for no dialog at all.
MessageBrowsing messageBrowsing(ProgramState& s, DescriptionDialog& dialog, bool no_prompts = false);

// The result report (command-line mode: channel 9), the excerpt and the message printout.
void writeResultReport(ProgramState& s, DescriptionDialog& dialog, PrintTarget target = {});
void writeExcerpt(ProgramState& s, DescriptionDialog& dialog, PrintTarget target = {});
void printMessages(ProgramState& s, DescriptionDialog& dialog);
void showMessages(ProgramState& s, DescriptionDialog& dialog, bool no_prompts = false);

}  // namespace vx11
