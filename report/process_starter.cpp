#include "report/process_starter.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "base/text.h"

extern char** environ;

namespace vx11 {

std::vector<std::string> split_command_line(std::string_view command) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (std::size_t i = 0; i < command.size(); ++i) {
    const char ch = command[i];
    if (quoted && ch == '\\' && i + 1 < command.size() && (command[i + 1] == '"' || command[i + 1] == '\\')) {
      word += command[++i];
    } else if (ch == '"') {
      quoted = !quoted;
      in_word = true;
    } else if ((ch == ' ' || ch == '\t') && !quoted) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += ch;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

std::string find_program(std::string_view name) {
  if (name.empty()) return {};
  const std::string program(name);
  const auto runnable = [](const std::string& path) {
    struct stat st {};
    return ::access(path.c_str(), X_OK) == 0 && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
  };
  if (program.find('/') != std::string::npos) return runnable(program) ? program : std::string();
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/bin:/bin";
  while (true) {
    const auto colon = dirs.find(':');
    const std::string dir(dirs.substr(0, colon));
    const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + program;
    if (runnable(candidate)) return candidate;
    if (colon == std::string_view::npos) return {};
    dirs.remove_prefix(colon + 1);
  }
}

bool is_windows_program(std::string_view command) {
  const std::vector<std::string> words = split_command_line(command);
  if (words.empty()) return false;
  const std::string program = lower(words.front());
  if (program.find('\\') != std::string::npos) return true;
  if (program.size() >= 2 && program[1] == ':') return true;
  return program.ends_with(".exe") || program.ends_with(".com") || program.ends_with(".bat");
}

std::vector<std::string> program_command(std::string_view command) {
  std::vector<std::string> words = split_command_line(command);
  if (words.empty() || is_windows_program(command)) return {kDefaultOpener};
  return words;
}

std::string file_argument(std::string_view name) {
  if (name.starts_with('-')) return "./" + std::string(name);
  return std::string(name);
}

SpawnProcessStarter::~SpawnProcessStarter() { reap(); }

bool SpawnProcessStarter::exists(const std::string& program) { return !find_program(program).empty(); }

bool SpawnProcessStarter::start(const std::vector<std::string>& argv) {
  reap();
  last_error_ = 0;
  if (argv.empty() || argv.front().empty()) {
    last_error_ = ENOENT;
    return false;
  }
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  // The program gets no input of ours and none of our open files.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
  pid_t pid = 0;
  const int err = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (err != 0) {
    last_error_ = err;
    return false;
  }
  children_.push_back(pid);
  return true;
}

void SpawnProcessStarter::reap() {
  std::erase_if(children_, [](pid_t pid) {
    const pid_t r = ::waitpid(pid, nullptr, WNOHANG);
    return r == pid || (r < 0 && errno == ECHILD);
  });
}

bool start_with_file(ProcessStarter& starter, Interaction& ui, std::string_view command, std::string_view file) {
  std::vector<std::string> argv = program_command(command);
  if (!starter.exists(argv.front())) {
    ui.message(kCaptionError, nameText(argv.front()) + " not found");
    return false;
  }
  argv.push_back(file_argument(file));
  if (starter.start(argv)) return true;
  ui.message(kCaptionError, nameText(argv.front()) + " not found");
  return false;
}

}  // namespace vx11
