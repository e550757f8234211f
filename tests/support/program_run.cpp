#include "tests/support/program_run.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

extern char** environ;

namespace vx11::test {

namespace {

void drain(int out_fd, int err_fd, std::string& out, std::string& err) {
  pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
  int open_count = 2;
  char buf[8192];
  while (open_count > 0) {
    if (poll(fds, 2, -1) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t n = read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        (i == 0 ? out : err).append(buf, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      }
    }
  }
}

}  // namespace

ProgramOutcome run_program(const ProgramRun& run) {
  ProgramOutcome outcome;
  int out_pipe[2], err_pipe[2];
  if (pipe2(out_pipe, O_CLOEXEC) != 0 || pipe2(err_pipe, O_CLOEXEC) != 0) return outcome;
  std::vector<std::string> env_texts;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    if (std::find(run.unset.begin(), run.unset.end(), entry.substr(0, entry.find('='))) == run.unset.end())
      env_texts.push_back(entry);
  }
  env_texts.insert(env_texts.end(), run.env.begin(), run.env.end());
  std::vector<char*> envp;
  for (auto& e : env_texts) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> arg_texts{run.program};
  arg_texts.insert(arg_texts.end(), run.args.begin(), run.args.end());
  std::vector<char*> argv;
  for (auto& a : arg_texts) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out_pipe[1], 1);
    dup2(run.merge_errors ? out_pipe[1] : err_pipe[1], 2);
    signal(SIGXFSZ, SIG_IGN);  // an oversized write fails with EFBIG instead of ending the program
    if (run.file_size_limit != RLIM_INFINITY) {
      rlimit lim{run.file_size_limit, run.file_size_limit};
      setrlimit(RLIMIT_FSIZE, &lim);
    }
    if (!run.folder.empty() && chdir(run.folder.c_str()) != 0) _exit(126);
    if (run.user != 0) {
      if (setgroups(0, nullptr) != 0 || setgid(run.group) != 0 || setuid(run.user) != 0) _exit(126);
    }
    execve(run.program.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);
  if (pid < 0) {
    close(out_pipe[0]);
    close(err_pipe[0]);
    return outcome;
  }
  drain(out_pipe[0], err_pipe[0], outcome.out, outcome.err);
  int status = 0;
  waitpid(pid, &status, 0);
  outcome.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

bool run_unprivileged(ProgramRun& run) {
  if (geteuid() != 0) return false;
  const passwd* nobody = getpwnam("nobody");
  if (!nobody || nobody->pw_uid == 0) return false;
  run.user = nobody->pw_uid;
  run.group = nobody->pw_gid;
  return true;
}

}  // namespace vx11::test
