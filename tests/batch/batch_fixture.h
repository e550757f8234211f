// Runs the built wvx11 as a user does: in a folder of its own, with its own configuration folder
// and temporary folder, optionally as an unprivileged user or under shell limits.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/files.h"

namespace vx11::test {

struct Outcome {
  int exit_code = -1;  // -1: ended by a signal
  std::string out;     // standard output
  std::string err;     // standard error
};

// <root>/work is the current folder of the runs, <root>/tmp their $TEMP, <root>/cfg their
// $XDG_CONFIG_HOME; every folder is removed again.
class BatchFolder {
 public:
  explicit BatchFolder(const std::string& name);
  ~BatchFolder();
  BatchFolder(const BatchFolder&) = delete;
  BatchFolder& operator=(const BatchFolder&) = delete;

  // Runs wvx11 with the arguments (shell words) in the work folder. `before` is shell text run
  // first in the same shell (limits, traps); `as` a command prefix such as unprivileged().
  Outcome run(const std::string& arguments, const std::string& before = "", const std::string& as = "") const;
  // Runs a shell script in the work folder with the same environment; $WVX11 is the program.
  Outcome script(const std::string& text, const std::string& as = "") const;

  // Copies a shipped example into the work folder under `as` (its own name when empty).
  void example(const std::string& name, std::string as = "") const;
  // A configuration whose table folder is `dbf_folder`, in the runs' configuration folder.
  void configure_tables(const std::string& dbf_folder) const;

  std::string read(const std::string& name) const;
  void write(const std::string& name, const std::string& bytes) const;
  bool exists(const std::string& name) const;
  // Files and folders left in the runs' temporary folder.
  std::vector<std::string> temp_leftovers() const;

  std::filesystem::path root, work, temp, config;
};

// An input data file with line `line` (1-based) replaced.
std::string with_line(const std::string& file, int line, const std::string& text);

// The command prefix that runs a program as the unprivileged user "nobody" (empty when the tests
// already run unprivileged); nullopt-like empty text plus a reason in `why` when neither is possible.
bool unprivileged(std::string& prefix, std::string& why);

// The report and drawing texts with their date and time masked.
std::string masked(const std::string& text);

// Debian's python3, which carries the Debian modules (ezdxf, dbfread).
std::string python();

}  // namespace vx11::test
