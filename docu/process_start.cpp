#include "docu/process_start.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace vx11 {

std::vector<std::string> split_command_line(std::string_view line) {
  std::vector<std::string> args;
  std::string current;
  bool in_word = false;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\' && i + 1 < line.size() && line[i + 1] == '"') {
      current += '"';
      in_word = true;
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (in_word) args.push_back(std::move(current));
      current.clear();
      in_word = false;
    } else {
      current += c;
      in_word = true;
    }
  }
  if (in_word) args.push_back(std::move(current));
  return args;
}

ProcessStarter::~ProcessStarter() { reap(); }

bool ProcessStarter::start(const std::vector<std::string>& argv) {
  reap();
  if (argv.empty() || argv.front().empty()) return false;
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  posix_spawnattr_t attr;
  if (posix_spawnattr_init(&attr) != 0) return false;
  // A session of its own: closing the program's terminal leaves the document open.
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, args[0], nullptr, &attr, args.data(), environ);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) return false;
  children_.push_back(pid);
  return true;
}

void ProcessStarter::reap() {
  std::erase_if(children_, [](pid_t pid) {
    int status = 0;
    const pid_t r = waitpid(pid, &status, WNOHANG);
    return r == pid || (r < 0 && errno == ECHILD);
  });
}

}  // namespace vx11
