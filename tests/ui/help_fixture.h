// Test bench for the help and message windows: a program state whose help-picture folder is a fresh
// copy of the shipped help files and message descriptions, on scripted or window interaction.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calc/table_browser.h"
#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/graphics_surface.h"
#include "project/program_state.h"
#include "base/interaction.h"
#include "report/report_outlets.h"
#include "ui/qt_interaction.h"

namespace vx11::test {

// Remembers what it was asked to start; `works` decides the answer.
class RecordingStarter : public ProcessStarter {
 public:
  bool exists(const std::string&) override { return works; }
  bool start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return works;
  }
  bool works = true;
  std::vector<std::vector<std::string>> started;
};

// A surface as the canvas gives one, counting its repaints.
struct TestSurface : SurfaceView {
  GraphicsState g;
  DisplayList list;
  bool cancelled = false;
  int repaints = 0;
  GraphicsSurface surface{g, list, cancelled, *this};
  void repaint() override { ++repaints; }
  // The texts of the list's text records.
  std::vector<std::string> texts() const;
};

// The texts of the help picture window that `asker` opened (empty without one).
std::vector<std::string> picture_texts(const QWidget* asker);

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Builds the state; window interaction shows real message boxes (for the modal driver).
  void start(bool window_interaction = false);
  // The worked example with overload messages, read and rated.
  void load_example(const std::string& name = "ueberlast.vxk");
  // With VX11_SCREENSHOT_DIR set: the widget grabbed into <dir>/<name>.png.
  static void screenshot(QWidget* widget, const std::string& name);

  std::string root, plt, temp;
  ScriptedInteraction ui;
  std::unique_ptr<QtInteraction> qt_ui;
  ScriptedTableBrowser browser;
  RecordingTextWindow text_window;
  RecordingStarter starter;
  std::unique_ptr<LpTextPrinter> printer;
  std::unique_ptr<ProgramState> state;
};

}  // namespace vx11::test
