// The one way the program starts other programs (plot program, text program, browser, spreadsheet
// program, printing, linked documents): a command line split by one rule, no shell, never waiting,
// and every child collected once it has ended.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

#include "base/interaction.h"

namespace vx11 {

// Splits a command line into words: blanks and tabs separate; double quotes group (also inside a
// word, as in --name="a b"), and inside them a backslash escapes a double quote or a backslash.
// Every other backslash is a letter, so Windows paths keep theirs. Nothing else is special: no
// variables, no globbing, no pipes (there is no shell). An unclosed quote runs to the end.
std::vector<std::string> split_command_line(std::string_view command);

// The path a program name runs as: itself when it holds a "/", else the first match on PATH;
// empty when there is none.
std::string find_program(std::string_view name);

// The program that opens a file with the desktop's choice of application.
inline constexpr const char* kDefaultOpener = "xdg-open";

// True for a command line that only Windows can run: a drive letter, backslashes, or a program
// ending in ".exe", ".com" or ".bat" (settings and files written by the Windows program).
bool is_windows_program(std::string_view command);

// The words of a configured command line; an empty one or a Windows program is the default opener.
std::vector<std::string> program_command(std::string_view command);

// A file name as an argument that no program can take for an option: a name beginning with "-"
// gets "./" in front ("./-x" is the same file).
std::string file_argument(std::string_view name);

// Starts programs without a shell and without waiting for them.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // True when the program (a path, or a name found on PATH) can be run.
  virtual bool exists(const std::string& program) = 0;
  // argv[0] is the program; false when it could not be started (last_error tells why).
  virtual bool start(const std::vector<std::string>& argv) = 0;
  // The errno of the last failed start, 0 when unknown.
  virtual int last_error() const { return 0; }
  // Collects the started programs that have ended, so none stays behind as a zombie; the window
  // calls it now and then, and every start does it first.
  virtual void reap() {}
};

// posix_spawnp with standard input from /dev/null and no descriptors but the standard three;
// children are collected by reap (waitpid without waiting), at every start and at destruction.
class SpawnProcessStarter : public ProcessStarter {
 public:
  ~SpawnProcessStarter() override;
  bool exists(const std::string& program) override;
  bool start(const std::vector<std::string>& argv) override;
  int last_error() const override { return last_error_; }
  void reap() override;
  // Started programs not yet collected.
  const std::vector<pid_t>& running() const { return children_; }

 private:
  std::vector<pid_t> children_;
  int last_error_ = 0;
};

// Starts the configured `command` (program_command) with `file` as its last argument. A program
// that cannot be found or started is reported: its name followed by " not found". False then.
bool start_with_file(ProcessStarter& starter, Interaction& ui, std::string_view command, std::string_view file);

}  // namespace vx11
