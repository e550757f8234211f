#include "report/report_outlets.h"

#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "project/paths.h"
#include "report/text.h"
#include "report/window_copy.h"

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
  if (program.find('/') != std::string::npos) return ::access(program.c_str(), X_OK) == 0 ? program : std::string();
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/bin:/bin";
  while (!dirs.empty()) {
    const auto colon = dirs.find(':');
    const std::string dir(dirs.substr(0, colon));
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    const std::string candidate = with_slash(dir.empty() ? "." : dir) + program;
    if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate)) return candidate;
  }
  return {};
}

SpawnProcessStarter::~SpawnProcessStarter() { collect_finished(); }

bool SpawnProcessStarter::exists(const std::string& program) { return !find_program(program).empty(); }

bool SpawnProcessStarter::start(const std::vector<std::string>& argv) {
  collect_finished();
  if (argv.empty()) return false;
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  if (::posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
  children_.push_back(pid);
  return true;
}

void SpawnProcessStarter::collect_finished() {
  std::erase_if(children_, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

void LpTextPrinter::print(const std::string& cp850_path) {
  if (!std::filesystem::exists(cp850_path)) {
    ui_.message(kCaptionError, nameText(cp850_path) + " not found !");
    return;
  }
  const std::string copy = with_slash(temp_folder_.empty() ? temporary_folder() : temp_folder_) + "outprint.txt";
  if (!write_window_copy(format_, cp850_path, copy)) {
    ui_.message(kCaptionError, "Schreibfehler: " + nameText(copy));
    return;
  }
  if (!starter_.exists("lp") || !starter_.start({"lp", "--", copy})) ui_.message(kCaptionError, "lp not found");
}

}  // namespace vx11
