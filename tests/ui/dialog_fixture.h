// Test bench for the input dialogs: a program state on scripted stand-ins with the shipped tables in
// a fresh folder, helpers to type into named edits and to save screenshots.
#pragma once

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "calc/table_browser.h"
#include "project/program_state.h"
#include "base/interaction.h"
#include "report/report_outlets.h"
#include "ui/dialog_help.h"

namespace vx11::test {

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs a dialog opener while `act` works on the dialog, then presses `key` (Enter confirms,
  // Escape cancels); returns what the opener returned.
  static bool drive(const std::function<bool()>& opener, const std::function<void(QWidget*)>& act,
                    Qt::Key key = Qt::Key_Return);
  // The named edit of the dialog, replaced by what the person types.
  static void retype(QWidget* dialog, const char* edit, const QString& text);
  static QString text_of(QWidget* dialog, const char* edit);
  // The worked example: d = 20 with the key 5 x 6.5 and the default materials.
  void load_worked_example();
  // With VX11_SCREENSHOT_DIR set: the shown dialog grabbed into <dir>/<name>.png.
  static void screenshot(QWidget* dialog, const std::string& name);

  std::string root;
  ScriptedInteraction ui;
  ScriptedTableBrowser browser;
  RecordingTextWindow window;
  SpawnProcessStarter starter;
  std::unique_ptr<LpTextPrinter> printer;
  std::unique_ptr<ProgramState> state;
  DialogHelp help;
  int help_texts = 0, help_pictures = 0;
  std::string temp_folder;
};

}  // namespace vx11::test
