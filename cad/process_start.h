// Starting an external program from a command line: no shell, never waiting for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace vx11 {

// Splits a command line at blanks; double quotes group words with blanks.
std::vector<std::string> splitCommandLine(std::string_view line);

// Result codes of a start: above 31 the program runs; 0 out of memory, 2 file not found,
// 3 path not found, other values 4..31 a start error of that number.
inline constexpr int kStarted = 32;

// The message for a result code, empty when the program runs.
std::string startResultMessage(int code);

// Starts programs and reaps those that have ended without blocking.
class CommandLineStarter {
 public:
  virtual ~CommandLineStarter();
  virtual int start(std::string_view command_line);

 private:
  void reap();
  std::vector<pid_t> running_;
};

}  // namespace vx11
