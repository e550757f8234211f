// Runs a piece of a test in a child process, where limits that would hurt the test program itself
// can be set: a file size limit (the system's stand-in for a full disk) and an unprivileged user
// (tests run as root in CI, and root writes into read-only files and folders).
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>

namespace vx11::test {

struct ChildLimits {
  rlim_t file_size = RLIM_INFINITY;  // bytes a file may grow to; SIGXFSZ is ignored, writes fail
  bool unprivileged = false;         // run as the unprivileged account (only when started as root)
};

struct ChildResult {
  bool exited = false;  // false: ended by a signal (a crash)
  int code = -1;        // exit code of the child
  int signal = 0;       // the signal that ended it
  std::string report;   // what the body wrote into its report
};

// Forks, applies the limits and runs `body`, whose return value becomes the exit code and whose
// report reaches the parent. The child never returns into the test program.
ChildResult run_in_child(const std::function<int(std::string& report)>& body, const ChildLimits& limits);

// The account an unprivileged child runs as ("nobody"); nullopt when the machine has none.
struct Account {
  uid_t uid;
  gid_t gid;
};
std::optional<Account> unprivileged_account();

// Gives the file or folder to the unprivileged account when the tests run as root, so a child
// running as that account owns it; elsewhere the tests' own user owns it already.
void give_to_unprivileged(const std::string& path);

// Why a test that needs an unprivileged user cannot run here; empty when it can.
std::string unprivileged_unavailable();

}  // namespace vx11::test
