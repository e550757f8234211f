#include "tests/support/command_run.h"

#include <sys/wait.h>

#include <cstdio>

namespace vx11::test {

CommandRun run_command(const std::string& command) {
  CommandRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  run.started = true;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
  run.status = ::pclose(pipe);
  run.exit_code = run.status != -1 && WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1;
  return run;
}

}  // namespace vx11::test
