#include "cad/process_start.h"

#include <cerrno>

namespace vx11 {

std::string startResultMessage(int code) {
  if (code >= kStarted) return {};
  if (code == 0) return "out of memory !";
  if (code == 2 || code == 3) return "file not found";
  return "Exec error " + std::to_string(code);
}

CommandLineStarter::CommandLineStarter()
    : own_(std::make_unique<SpawnProcessStarter>()), starter_(own_.get()) {}

CommandLineStarter::CommandLineStarter(ProcessStarter& starter) : starter_(&starter) {}

CommandLineStarter::~CommandLineStarter() = default;

int CommandLineStarter::start(std::string_view command_line) {
  const std::vector<std::string> words = split_command_line(command_line);
  if (words.empty()) return 2;
  if (starter_->start(words)) return kStarted;
  switch (starter_->last_error()) {
    case ENOMEM:
      return 0;
    case 0:
    case ENOENT:
      return 2;
    case ENOTDIR:
      return 3;
    case EACCES:
    case EPERM:
      return 5;
    case ENOEXEC:
      return 11;
    default:
      return 31;
  }
}

}  // namespace vx11
