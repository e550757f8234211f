#include "cad/process_start.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace vx11 {

std::vector<std::string> splitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, in_word = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word.push_back(c);
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

std::string startResultMessage(int code) {
  if (code >= kStarted) return {};
  if (code == 0) return "out of memory !";
  if (code == 2 || code == 3) return "file not found";
  return "Exec error " + std::to_string(code);
}

CommandLineStarter::~CommandLineStarter() { reap(); }

void CommandLineStarter::reap() {
  std::vector<pid_t> still;
  for (pid_t pid : running_) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == 0) still.push_back(pid);
  }
  running_.swap(still);
}

int CommandLineStarter::start(std::string_view command_line) {
  reap();
  std::vector<std::string> words = splitCommandLine(command_line);
  if (words.empty()) return 2;
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int err = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
  switch (err) {
    case 0:
      running_.push_back(pid);
      return kStarted;
    case ENOMEM:
      return 0;
    case ENOENT:
      return 2;
    case ENOTDIR:
      return 3;
    case EACCES:
    case EPERM:
      return 5;
    case ENOEXEC:
      return 11;
    default:
      return 31;
  }
}

}  // namespace vx11
