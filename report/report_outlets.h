// Where the report stream hands over a finished printout: the text window, the printer and other
// programs. The window implements the first two with Qt; batch runs and tests use the ones here.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "report/format_settings.h"
#include "report/interaction.h"

namespace vx11 {

struct TextWindowRequest {
  std::string converted_path;  // "outwin.txt" in the temporary folder (UTF-8), what the window shows
  std::string stream_path;     // the code page 850 stream file, what its print command prints
  bool copy_to_clipboard = false;  // copy everything to the clipboard and close instead of showing
};

// Channel 1: shows the converted copy; returns when the window is closed.
class TextWindow {
 public:
  virtual ~TextWindow() = default;
  virtual void show(const TextWindowRequest& request) = 0;
};

// Channel 4 and the text window's print command: prints a code page 850 text file whose pages
// start at lines beginning with a form feed. A missing file is reported and nothing else happens.
class TextPrinter {
 public:
  virtual ~TextPrinter() = default;
  virtual void print(const std::string& cp850_path) = 0;
};

// Starts programs without a shell and without waiting for them.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // True when the program (a path, or a name found on PATH) can be run.
  virtual bool exists(const std::string& program) = 0;
  // argv[0] is the program; false when it could not be started.
  virtual bool start(const std::vector<std::string>& argv) = 0;
};

struct ReportOutlets {
  TextWindow& window;
  TextPrinter& printer;
  ProcessStarter& starter;
};

// Splits a command line into words: blanks separate, double quotes group, a backslash before a
// quote or another backslash inside quotes escapes it.
std::vector<std::string> split_command_line(std::string_view command);

// The path a program name runs as: itself when it holds a "/", else the first match on PATH;
// empty when there is none.
std::string find_program(std::string_view name);

// Without a window: remembers what it was asked to show.
class RecordingTextWindow : public TextWindow {
 public:
  void show(const TextWindowRequest& request) override { shown.push_back(request); }
  std::vector<TextWindowRequest> shown;
};

// posix_spawnp; finished children are collected at the next start and at destruction, never waited for.
class SpawnProcessStarter : public ProcessStarter {
 public:
  ~SpawnProcessStarter() override;
  bool exists(const std::string& program) override;
  bool start(const std::vector<std::string>& argv) override;

 private:
  void collect_finished();
  std::vector<pid_t> children_;
};

// Without a window: the converted text ("outprint.txt" in the temporary folder) goes to the default
// printer through CUPS "lp"; form feeds stay and start the pages.
class LpTextPrinter : public TextPrinter {
 public:
  LpTextPrinter(const FormatSettings& format, const std::string& temp_folder, ProcessStarter& starter,
                Interaction& ui)
      : format_(format), temp_folder_(temp_folder), starter_(starter), ui_(ui) {}
  void print(const std::string& cp850_path) override;

 private:
  const FormatSettings& format_;
  const std::string& temp_folder_;
  ProcessStarter& starter_;
  Interaction& ui_;
};

}  // namespace vx11
