// Where the report stream hands over a finished printout: the text window, the printer and other
// programs. The window implements the first two with Qt; batch runs and tests use the ones here.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/format_settings.h"
#include "base/interaction.h"
#include "report/process_starter.h"

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

struct ReportOutlets {
  TextWindow& window;
  TextPrinter& printer;
  ProcessStarter& starter;
};

// Without a window: remembers what it was asked to show.
class RecordingTextWindow : public TextWindow {
 public:
  void show(const TextWindowRequest& request) override { shown.push_back(request); }
  std::vector<TextWindowRequest> shown;
};

// Without a window: the converted text ("outprint.txt" in the temporary folder) goes to the default
// printer through CUPS "lp"; form feeds stay and start the pages.
class LpTextPrinter : public TextPrinter {
 public:
  // `temp_folder` is asked for when a copy is written (the run's folder is made when first needed).
  LpTextPrinter(const FormatSettings& format, std::function<std::string()> temp_folder, ProcessStarter& starter,
                Interaction& ui)
      : format_(format), temp_folder_(std::move(temp_folder)), starter_(starter), ui_(ui) {}
  LpTextPrinter(const FormatSettings& format, const std::string& temp_folder, ProcessStarter& starter,
                Interaction& ui)
      : LpTextPrinter(format, [&temp_folder] { return temp_folder; }, starter, ui) {}
  void print(const std::string& cp850_path) override;

 private:
  const FormatSettings& format_;
  std::function<std::string()> temp_folder_;
  ProcessStarter& starter_;
  Interaction& ui_;
};

}  // namespace vx11
