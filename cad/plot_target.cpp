#include "cad/plot_target.h"

#include <filesystem>

#include "base/paths.h"

namespace vx11 {

void PlotTarget::afterClose() {
  if (command_line_.empty()) return;
  // The plot program is installed beside the running program.
  const std::string program_folder = std::filesystem::path(running_executable()).parent_path().string();
  const std::string message = startResultMessage(c_.starter.start(resolvePlotProgram(command_line_, program_folder)));
  if (!message.empty()) c_.ui.message(kCaptionError, message);
}

}  // namespace vx11
