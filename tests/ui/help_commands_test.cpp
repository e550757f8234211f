// The CAD and Help menu commands of the main window.
#include <QAction>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/ui/help_fixture.h"
#include "tests/ui/qt_test_support.h"
#include "tests/support/command_run.h"
#include "ui/command_groups.h"
#include "ui/help_links.h"
#include "ui/main_window.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

class HelpCommands : public test::HelpTest {
 protected:
  void SetUp() override {
    HelpTest::SetUp();
    start();
    install_help_commands(window, *state);
  }
  // The reader's verdict on DXF files; empty when every file loads with entities and no audit error.
  static std::string check_dxf(const std::vector<std::string>& files) {
    std::string command = std::string(fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3") + " '" +
                          VX11_SOURCE_DIR + "/tests/cad/check_dxf.py'";
    for (const auto& f : files) command += " '" + f + "'";
    command += " 2>&1";
    const test::CommandRun r = test::run_command(command);
    if (r.started && r.status == 0) return {};
    return r.output.empty() ? "reader did not run" : r.output;
  }
  Thh window;
};

TEST_F(HelpCommands, EveryCommandOfTheGroupIsEnabled) {
  for (Command c : {Command::CadAssembly, Command::CadKey, Command::CadShaft, Command::CadHub, Command::CadQuick,
                    Command::HelpPictures, Command::HelpErrorMessages, Command::HelpHistory, Command::HelpWww,
                    Command::HelpEmail, Command::HelpAbout})
    EXPECT_TRUE(window.action(c)->isEnabled()) << command_item_name(c);
  // The view item follows the message count.
  window.set_message_count(0);
  EXPECT_FALSE(window.action(Command::ViewErrorMessages)->isEnabled());
  window.set_message_count(3);
  EXPECT_TRUE(window.action(Command::ViewErrorMessages)->isEnabled());
}

TEST_F(HelpCommands, CadCommandsWriteDxfTheReaderLoads) {
  load_example("beispiel.vxk");
  struct Case {
    Command command;
    const char* file;
  };
  const Case cases[] = {{Command::CadAssembly, "va"},   {Command::CadKey, "feder"}, {Command::CadShaft, "welle"},
                        {Command::CadHub, "nabe.DXF"}, {Command::CadQuick, "quick"}};
  std::vector<std::string> written;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ui = ScriptedInteraction();
    ui.choices = {0};  // "DXF" in the "CAD-Code" list
    ui.files = {root + "/cad/" + c.file};
    ASSERT_TRUE(window.run_command(c.command));
    EXPECT_FALSE(state->rec.cancelled);
    // A name without "." gets the extension.
    const std::string path = root + "/cad/" + c.file + (std::string(c.file).find('.') == std::string::npos ? ".dxf" : "");
    ASSERT_TRUE(fs::exists(path)) << path;
    written.push_back(path);
    EXPECT_TRUE(ui.shown.empty()) << ui.shown.front();
  }
  EXPECT_EQ(check_dxf(written), "");
}

TEST_F(HelpCommands, CadCancelWritesNothing) {
  load_example("beispiel.vxk");
  ui.choices = {std::nullopt};
  ASSERT_TRUE(window.run_command(Command::CadKey));
  ui = ScriptedInteraction();
  ui.choices = {1};           // IGES
  ui.files = {std::nullopt};  // the save dialog cancelled
  ASSERT_TRUE(window.run_command(Command::CadShaft));
  EXPECT_FALSE(state->rec.cancelled);
  EXPECT_TRUE(fs::is_empty(root + "/cad"));
}

TEST_F(HelpCommands, HomepageAndMailStartWithoutAShell) {
  struct Case {
    const char* name;
    const char* browser;
    Command command;
    std::vector<std::string> argv;
  };
  const Case cases[] = {
      {"homepage with the default browser", "xdg-open", Command::HelpWww, {"xdg-open", "http://www.korvant.de"}},
      {"configured browser with options", "firefox -new-tab", Command::HelpWww,
       {"firefox", "-new-tab", "http://www.korvant.de"}},
      {"blank browser falls back", "", Command::HelpWww, {"xdg-open", "http://www.korvant.de"}},
      {"mail with the short name as subject", "", Command::HelpEmail,
       {"xdg-open", "mailto:info@korvant.de?subject=VX11"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    starter.started.clear();
    state->config.html_browser = c.browser;
    ASSERT_TRUE(window.run_command(c.command));
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0], c.argv);
  }
  EXPECT_TRUE(ui.shown.empty());
  starter.works = false;
  state->config.html_browser = "nobrowser";
  window.run_command(Command::HelpWww);
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Fehler : |Programm nobrowser kann nicht gestartet werden !"}));
}

TEST_F(HelpCommands, AboutAndHistoryBoxes) {
  ASSERT_TRUE(window.run_command(Command::HelpAbout));
  ASSERT_TRUE(window.run_command(Command::HelpHistory));
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].rfind("VX11|VX11  -  Scheibenfederberechnung\nVersion 1.1\n", 0), 0u) << ui.shown[0];
  EXPECT_NE(ui.shown[0].find("http://www.korvant.de"), std::string::npos);
  EXPECT_EQ(ui.shown[1].rfind("History|Versionen von VX11", 0), 0u) << ui.shown[1];
  // Without the help file the box says so rather than staying empty.
  fs::remove(plt + "/vx11.hlp");
  window.run_command(Command::HelpHistory);
  EXPECT_EQ(ui.shown[2], "History|Datei " + plt + "/vx11.hlp nicht gefunden !");
}

TEST_F(HelpCommands, HelpPicturesWithoutIndexAskForAPictureFile) {
  fs::remove(plt + "/vx11.dbh");
  fs::create_directories(root + "/other");
  fs::copy_file(plt + "/fl.plt", root + "/other/fl.plt");
  ui.files = {root + "/other/fl.plt", std::nullopt};
  ASSERT_TRUE(window.run_command(Command::HelpPictures));
  // The chosen picture's folder becomes the help-picture folder; the second dialog's cancel ends.
  EXPECT_EQ(state->config.plt_folder, root + "/other");
  EXPECT_FALSE(state->rec.cancelled);
}

}  // namespace
}  // namespace vx11
