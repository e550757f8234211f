// Runs a program as a user would: its own process (no shell), a working folder, extra environment,
// optionally a file-size limit or another user, with standard output and error kept apart (or merged).
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace vx11::test {

struct ProgramRun {
  std::string program;
  std::vector<std::string> args;
  std::string folder;                // working folder
  std::vector<std::string> env;      // "NAME=value" added to the inherited environment
  std::vector<std::string> unset{};  // names left out of the inherited environment
  bool merge_errors = false;         // standard error goes into `out` as well, in the order written
  rlim_t file_size_limit = RLIM_INFINITY;
  uid_t user = 0;                    // 0: stay who we are
  gid_t group = 0;
};

struct ProgramOutcome {
  int exit_code = -1;  // -1: did not end normally
  std::string out;
  std::string err;
};

ProgramOutcome run_program(const ProgramRun& run);

// Makes the run go as an unprivileged user (nobody); false when the tests do not run as root or the
// machine has no such user.
bool run_unprivileged(ProgramRun& run);

}  // namespace vx11::test
