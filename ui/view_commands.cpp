#include "ui/command_groups.h"

namespace vx11 {

void install_view_commands(Thh& window, ProgramState& state) {
  static_cast<void>(window);
  static_cast<void>(state);
}

void redraw_current_view(Thh& window, ProgramState& state) {
  static_cast<void>(window);
  static_cast<void>(state);
}
}  // namespace vx11
