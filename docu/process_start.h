// Starting other programs: a command line split into arguments, run as a new process without a
// shell and never waited for. Finished children are reaped on the next start and at the end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace vx11 {

// Splits like a command line: blanks and tabs separate, double quotes group (and are dropped),
// a backslash before a double quote keeps the quote.
std::vector<std::string> split_command_line(std::string_view line);

class ProcessStarter {
 public:
  ProcessStarter() = default;
  ProcessStarter(const ProcessStarter&) = delete;
  ProcessStarter& operator=(const ProcessStarter&) = delete;
  ~ProcessStarter();

  // Starts argv[0] (searched on PATH) with its arguments; false when it cannot be started.
  bool start(const std::vector<std::string>& argv);
  // Reaps the children that have ended, without waiting for the others.
  void reap();
  std::size_t running() const { return children_.size(); }

 private:
  std::vector<pid_t> children_;
};

}  // namespace vx11
