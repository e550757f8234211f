// The parts of the file command group, each in a file of its own; install_file_commands calls all.
#pragma once

#include "report/message_browser.h"

namespace vx11 {

class ProgramState;
class Thh;

void install_edit_commands(Thh& window, ProgramState& state);
void install_database_commands(Thh& window, ProgramState& state);
void install_docu_commands(Thh& window, ProgramState& state);
void install_report_commands(Thh& window, ProgramState& state);

// The description dialog the window has, or one that shows nothing.
class WindowDescriptions {
 public:
  explicit WindowDescriptions(const Thh& window);
  DescriptionDialog& dialog() { return *dialog_; }

 private:
  PassiveDescriptionDialog passive_;
  DescriptionDialog* dialog_;
};

}  // namespace vx11
