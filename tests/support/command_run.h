// Runs a shell command line and keeps what it printed, for tests that run the built programs or an
// independent checker script.
#pragma once

#include <string>

namespace vx11::test {

struct CommandRun {
  bool started = false;  // false: no shell could be started
  int status = -1;       // the wait status as the shell's end reported it
  int exit_code = -1;    // the exit code; -1 when it did not end normally
  std::string output;    // its standard output (add "2>&1" to the command for the errors too)
};

CommandRun run_command(const std::string& command);

}  // namespace vx11::test
