#include "tests/support/child_process.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace vx11::test {

namespace {

constexpr int kCannotDropPrivileges = 125;

bool drop_privileges() {
  if (::geteuid() != 0) return true;
  const auto account = unprivileged_account();
  return account && ::setgroups(0, nullptr) == 0 && ::setresgid(account->gid, account->gid, account->gid) == 0 &&
         ::setresuid(account->uid, account->uid, account->uid) == 0 && ::geteuid() != 0;
}

void write_all(int fd, const std::string& text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const ssize_t n = ::write(fd, text.data() + at, text.size() - at);
    if (n <= 0) return;
    at += static_cast<std::size_t>(n);
  }
}

}  // namespace

ChildResult run_in_child(const std::function<int(std::string& report)>& body, const ChildLimits& limits) {
  ChildResult result;
  int fds[2];
  if (::pipe(fds) != 0) return result;
  std::fflush(nullptr);  // nothing buffered is written twice
  const pid_t pid = ::fork();
  if (pid < 0) return result;
  if (pid == 0) {
    ::close(fds[0]);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit lim{};
    ::getrlimit(RLIMIT_FSIZE, &lim);
    lim.rlim_cur = limits.file_size;
    if (::setrlimit(RLIMIT_FSIZE, &lim) != 0) ::_exit(kCannotDropPrivileges);
    if (limits.unprivileged && !drop_privileges()) ::_exit(kCannotDropPrivileges);
    std::string report;
    const int code = body(report);
    write_all(fds[1], report);
    ::close(fds[1]);
    ::_exit(code);  // no destructors, no atexit handlers of the test program
  }
  ::close(fds[1]);
  char buffer[4096];
  ssize_t n = 0;
  while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) result.report.append(buffer, static_cast<std::size_t>(n));
  ::close(fds[0]);
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) return result;
  result.exited = WIFEXITED(status);
  result.code = result.exited ? WEXITSTATUS(status) : -1;
  result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return result;
}

std::optional<Account> unprivileged_account() {
  const passwd* pw = ::getpwnam("nobody");
  if (pw == nullptr) return std::nullopt;
  return Account{pw->pw_uid, pw->pw_gid};
}

void give_to_unprivileged(const std::string& path) {
  if (::geteuid() != 0) return;
  if (const auto account = unprivileged_account()) (void)!::chown(path.c_str(), account->uid, account->gid);
}

std::string unprivileged_unavailable() {
  if (::geteuid() != 0) return {};  // the tests' own user is unprivileged already
  if (!unprivileged_account()) return "no account \"nobody\" on this machine to drop root privileges to";
  const ChildResult probe = run_in_child([](std::string&) { return 0; }, ChildLimits{RLIM_INFINITY, true});
  if (!probe.exited || probe.code != 0) return "root privileges cannot be dropped in a child process here";
  return {};
}

}  // namespace vx11::test
