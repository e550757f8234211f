// The window's start-up on the program state, its close query, and the frontend switch to its dialogs.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>
#include <fstream>

#include "project/frontend_switch.h"
#include "project/input_data.h"
#include "tests/ui/qt_test_support.h"
#include "tests/ui/window_fixture.h"
#include "ui/command_groups.h"
#include "ui/window_frontend.h"
#include "ui/window_startup.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;
using test::ModalDriver;
using test::press;

// start_window installs the commands itself: the bench's window stays without them.
class WindowStartup : public test::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    state->config_folder = root + "/";
    fs::copy_file(std::string(VX11_SOURCE_DIR) + "/examples/beispiel.vxk", root + "/beispiel.vxk");
    path = root + "/beispiel.vxk";
  }
  void write_session(const std::string& first) {
    std::ofstream out(root + "/vx11.cff", std::ios::binary);
    out << "vx11 Session \r\n" << first << "\r\n\r\n\r\n\r\n";
  }
  // The torque in the file on disk.
  Real saved_torque() const {
    std::ifstream in(path, std::ios::binary);
    ConnectionRecord rec;
    Documentation doc;
    read_input_data(in, rec, doc);
    return rec.nominal_torque_tn;
  }
  std::string path;
  Thh w;
};

TEST_F(WindowStartup, OpensWithTheFileOfTheCommandLine) {
  write_session("/irgendwo/alt.vxk");
  state->config.language = kLanguageEnglish;
  w.set_handler(Command::ViewErrorMessages, [] {});
  ASSERT_FALSE(start_window(w, *state, {path}).has_value());
  EXPECT_EQ(w.windowTitle(), QString::fromStdString("VX11  -  Scheibenfederberechnung  -  " + path));
  EXPECT_EQ(state->rec.shaft_diameter_d, 20);  // the worked example
  EXPECT_TRUE(state->session.started_with_file);
  EXPECT_FALSE(state->session.unsaved_changes);
  EXPECT_EQ(w.action(Command::File1)->text(), QStringLiteral("&1 /irgendwo/alt.vxk"));
  EXPECT_TRUE(w.action(Command::File1)->isVisible());
  EXPECT_EQ(w.findChild<QMenu*>("mi_file")->title(), QStringLiteral("&File"));
  EXPECT_EQ(w.action(Command::ViewErrorMessages)->text(), QStringLiteral("&Error messages (1)"));
  EXPECT_TRUE(w.action(Command::FileOpen)->isEnabled());
  // A later language switch is kept for the configuration.
  w.action(Command::LanguageRomanian)->trigger();
  EXPECT_EQ(state->config.language, kLanguageRomanian);
}

TEST_F(WindowStartup, WithoutAFileTheTemplateOfTheDataFolderIsRead) {
  state->config.default_data_directory = root;
  fs::copy_file(std::string(VX11_SOURCE_DIR) + "/examples/null.vxk", root + "/null.vxk");
  ASSERT_FALSE(start_window(w, *state, {"irgendwas", "/E"}).has_value());
  EXPECT_FALSE(state->session.started_with_file);
  EXPECT_EQ(state->session.current_file, "");
  EXPECT_EQ(w.windowTitle(), QStringLiteral("VX11  -  Scheibenfederberechnung"));
}

TEST_F(WindowStartup, CloseQueryWithUnsavedChanges) {
  struct Case {
    const char* name;
    Answer answer;
    bool closes;
    bool saved;
  };
  const Case cases[] = {
      {"Yes saves", Answer::Yes, true, true},
      {"No discards", Answer::No, true, false},
      {"Cancel keeps the window", Answer::Cancel, false, false},
  };
  ASSERT_FALSE(start_window(w, *state, {path}).has_value());
  const Real original = saved_torque();
  for (const auto& c : cases) {
    fs::copy_file(std::string(VX11_SOURCE_DIR) + "/examples/beispiel.vxk", path,
                  fs::copy_options::overwrite_existing);
    const std::string block = state->temp_folder() + "$welle.dx$";
    std::ofstream(block) << "x";
    state->rec.nominal_torque_tn = original + 7;
    state->session.unsaved_changes = true;
    ui.answers = {c.answer};
    w.show();
    EXPECT_EQ(w.close(), c.closes) << c.name;
    EXPECT_EQ(w.isVisible(), !c.closes) << c.name;
    EXPECT_EQ(ui.asked.back(), "VX11  -  Scheibenfederberechnung|Datei speichern (" + path + ") ?") << c.name;
    EXPECT_EQ(saved_torque(), c.saved ? original + 7 : original) << c.name;
    EXPECT_EQ(fs::exists(block), !c.closes) << c.name;  // the block files go with the window
    EXPECT_FALSE(state->rec.cancelled) << c.name;
    ui = ScriptedInteraction{};
  }
  w.hide();
}

TEST_F(WindowStartup, NothingChangedNothingAsked) {
  ASSERT_FALSE(start_window(w, *state, {path}).has_value());
  screenshot(&w, "main_window_beispiel");
  w.show();
  EXPECT_TRUE(w.close());
  EXPECT_TRUE(ui.asked.empty());
}

TEST(WindowFrontendSwitch, TheStateReachesTheWindowsDialogsOnlyWhileItRuns) {
  test::ensure_application();
  FrontendSwitch sw;
  ProgramState state(sw.frontend());
  sw.bind(state);
  sw.batch_ui().echo = false;
  Thh w;
  WindowFrontend frontend(state, sw.batch_targets().starter, &w);
  {
    FrontendScope scope(state.frontend_switch, frontend.targets());
    ModalDriver drive({[](QWidget* d) { press(d, Qt::Key_Return); }});
    state.ui.message(kCaptionInfo, "im Fenster");
    EXPECT_EQ(drive.steps_run(), 1);  // a message box over the window
    EXPECT_TRUE(sw.batch_ui().shown.empty());
    // Commands find the window's dialogs (their help buttons) behind the forwarder.
    EXPECT_EQ(qt_interaction(state.ui), &frontend.ui);
    ASSERT_FALSE(frontend.ui.help.text);
    install_help_commands(w, state);
    EXPECT_TRUE(frontend.ui.help.text);
    EXPECT_TRUE(frontend.ui.help.picture);
  }
  EXPECT_EQ(qt_interaction(state.ui), nullptr);
  EXPECT_EQ(qt_interaction(frontend.ui), &frontend.ui);
  state.ui.message(kCaptionInfo, "danach");
  EXPECT_EQ(sw.batch_ui().shown, std::vector<std::string>{"Meldung:|danach"});
}

}  // namespace
}  // namespace vx11
