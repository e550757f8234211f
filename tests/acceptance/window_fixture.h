// The program as a person starts it: a folder with the tables, help files and examples, a
// configuration file naming them, and wvx11's window (the same start-up, the same dialogs) on the
// offscreen screen. Helpers read what the window shows and what it wrote.
#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "project/configuration.h"
#include "project/program_state.h"
#include "project/running_program.h"
#include "tests/acceptance/person.h"
#include "ui/commands.h"
#include "ui/window_geometry.h"
#include "ui/window_program.h"
#include "tests/support/files.h"

namespace vx11 {
class Canvas;
}

namespace vx11::test {

class WindowAcceptance : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the configuration (changed by `configure`), starts the program with `args` (a file name
  // opens it) and shows the window.
  void start(const std::vector<std::string>& args = {}, const std::function<void(Configuration&)>& configure = {});
  // Ends the program as closing the window does (the close query answered by `steps`), keeping
  // the folder, so that a second start finds the session and the window size.
  void close_window(std::vector<Step> steps = {});

  Thh& window() { return program_->window(); }
  ProgramState& state() { return running_->state; }
  Canvas& canvas();
  // The menu item's action, as a click on it runs it.
  void menu(Command c);
  // Example file copied into the data folder; returns its path.
  std::string example(const std::string& name);

  // The texts the canvas shows (UTF-8) and whether one holds `part`.
  std::vector<std::string> canvas_texts();
  bool canvas_shows(const std::string& part);
  // The replayed canvas picture, as on the screen.
  QImage canvas_picture();

  std::string root;      // the start folder, also the configuration folder
  std::string data;      // "Default Data Directory": the examples
  std::string cad;       // "CAD Ordner"

 private:
  std::unique_ptr<RunningProgram> running_;
  std::unique_ptr<WindowProgram> program_;
  std::string start_folder_;
};

// Radii of the shaft section's circle measured in a picture (device pixels): its red outline,
// drawn as a fine polygon, the key's groove cutting its top.
struct Measured {
  double horizontal = 0, vertical = 0;
};
Measured measure_circle(const QImage& picture);

// The text of each page of a PDF file (pdftotext of Debian's poppler-utils).
std::vector<std::string> pdf_pages(const std::string& path);
// Runs a program; returns its exit code and puts what it wrote into `output`.
int run_program(const std::string& program, const std::vector<std::string>& args, std::string* output = nullptr);
// A file's bytes.

}  // namespace vx11::test
