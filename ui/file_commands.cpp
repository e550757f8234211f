#include "ui/command_groups.h"

namespace vx11 {

void install_file_commands(Thh& window, ProgramState& state) {
  static_cast<void>(window);
  static_cast<void>(state);
}

}  // namespace vx11
