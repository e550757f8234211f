// Starting the plot program from its command line, with the result codes its messages know. The
// start itself is the program's one process starter (report/process_starter.h).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "report/process_starter.h"

namespace vx11 {

// Result codes of a start: above 31 the program runs; 0 out of memory, 2 file not found,
// 3 path not found, other values 4..31 a start error of that number.
inline constexpr int kStarted = 32;

// The message for a result code, empty when the program runs.
std::string startResultMessage(int code);

class CommandLineStarter {
 public:
  // With a starter of its own (a screen that starts nothing, tests).
  CommandLineStarter();
  // Through the program's starter, which the window keeps collecting ended programs from.
  explicit CommandLineStarter(ProcessStarter& starter);
  virtual ~CommandLineStarter();
  CommandLineStarter(const CommandLineStarter&) = delete;
  CommandLineStarter& operator=(const CommandLineStarter&) = delete;

  // Splits the line by split_command_line and starts it; a result code.
  virtual int start(std::string_view command_line);

 private:
  std::unique_ptr<SpawnProcessStarter> own_;
  ProcessStarter* starter_;
};

}  // namespace vx11
