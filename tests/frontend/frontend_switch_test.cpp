#include "project/frontend_switch.h"

#include <gtest/gtest.h>

#include "calc/calc_context.h"
#include "project/program_state.h"

namespace vx11 {
namespace {

class RecordingPrinter : public TextPrinter {
 public:
  void print(const std::string& path) override { printed.push_back(path); }
  std::vector<std::string> printed;
};

class RecordingStarter : public ProcessStarter {
 public:
  bool exists(const std::string& program) override {
    asked.push_back(program);
    return true;
  }
  bool start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return true;
  }
  std::vector<std::string> asked;
  std::vector<std::vector<std::string>> started;
};

// A frontend of recording stand-ins, as the window would bring its dialogs.
struct Recorders {
  ScriptedInteraction ui;
  ScriptedTableBrowser browser;
  RecordingTextWindow window;
  RecordingPrinter printer;
  RecordingStarter starter;
  FrontendTargets targets() { return FrontendTargets{ui, browser, window, printer, starter}; }
};

class FrontendSwitchTest : public ::testing::Test {
 protected:
  FrontendSwitchTest() : state(sw.frontend()) {
    sw.bind(state);
    sw.batch_ui().echo = false;
  }

  // One call through every part of the state's frontend.
  void use_everything() {
    state.ui.message(kCaptionInfo, "hallo");
    state.ui.ask_text("", "Name", "alt");
    state.outlets.window.show(TextWindowRequest{"out.txt", "$out.tmp", false});
    state.outlets.printer.print("no/such/file.tmp");
    state.outlets.starter.exists("true");
  }

  FrontendSwitch sw;
  ProgramState state;
  Recorders rec;
};

TEST_F(FrontendSwitchTest, BindingLetsTheStateReachTheSwitch) {
  EXPECT_EQ(state.frontend_switch, &sw);
  EXPECT_TRUE(sw.batch());
}

TEST_F(FrontendSwitchTest, EveryPartForwardsToTheFrontendInUse) {
  rec.ui.texts.push_back(std::string("neu"));
  sw.use(rec.targets());
  EXPECT_FALSE(sw.batch());
  EXPECT_EQ(state.ui.ask_text("", "Name", "alt"), std::optional<std::string>("neu"));
  EXPECT_EQ(state.ui.ask_yes_no_cancel("T", "Frage ?"), Answer::Yes);  // empty queue: like batch mode
  ASSERT_EQ(rec.ui.asked.size(), 2u);
  EXPECT_EQ(rec.ui.asked[1], "T|Frage ?");
  rec.ui.files.push_back(std::string("/x/a.vxk"));
  EXPECT_EQ(state.ui.open_file("", "", "*.vxk"), std::optional<std::string>("/x/a.vxk"));
  state.ui.message(kCaptionInfo, "hallo");
  EXPECT_EQ(rec.ui.shown.back(), "Meldung:|hallo");

  state.outlets.window.show(TextWindowRequest{"outwin.txt", "$out.tmp", false});
  ASSERT_EQ(rec.window.shown.size(), 1u);
  EXPECT_EQ(rec.window.shown[0].converted_path, "outwin.txt");
  state.outlets.printer.print("$out.tmp");
  EXPECT_EQ(rec.printer.printed, std::vector<std::string>{"$out.tmp"});
  EXPECT_TRUE(state.outlets.starter.start({"xdg-open", "a.pdf"}));
  ASSERT_EQ(rec.starter.started.size(), 1u);
  EXPECT_EQ(rec.starter.started[0][1], "a.pdf");
}

TEST_F(FrontendSwitchTest, TheTableObjectBrowsesThroughTheSwitch) {
  state.config.dbf_folder = VX11_DATA_DIR;
  state.apply_configuration();
  sw.use(rec.targets());
  rec.browser.cancel();
  auto ctx = state.calc();
  ASSERT_TRUE(state.tables.open_table(ctx, "din6888"));
  state.tables.browse(ctx, 1);
  state.tables.close_table();
  ASSERT_EQ(rec.browser.shown.size(), 1u);
  EXPECT_EQ(rec.browser.shown[0].mode, BrowseMode::Select);
  EXPECT_TRUE(state.rec.cancelled);
}

TEST_F(FrontendSwitchTest, BackToBatchNothingReachesTheOldFrontend) {
  sw.use(rec.targets());
  sw.use_batch();
  EXPECT_TRUE(sw.batch());
  use_everything();
  EXPECT_TRUE(rec.ui.asked.empty());
  EXPECT_TRUE(rec.ui.shown.empty());
  EXPECT_TRUE(rec.window.shown.empty());
  EXPECT_TRUE(rec.printer.printed.empty());
  EXPECT_TRUE(rec.starter.asked.empty());
  // The batch printer of the bound state reports the missing file through the batch messages.
  ASSERT_FALSE(sw.batch_ui().shown.empty());
  EXPECT_NE(sw.batch_ui().shown.back().find("no/such/file.tmp"), std::string::npos);
}

TEST_F(FrontendSwitchTest, ScopeSwitchesForItsLifetime) {
  {
    FrontendScope scope(&sw, rec.targets());
    state.ui.message(kCaptionInfo, "im Fenster");
  }
  state.ui.message(kCaptionInfo, "danach");
  EXPECT_EQ(rec.ui.shown, std::vector<std::string>{"Meldung:|im Fenster"});
  EXPECT_EQ(sw.batch_ui().shown.back(), "Meldung:|danach");
  FrontendScope none(nullptr, rec.targets());  // a state without a switch: nothing to do
  EXPECT_TRUE(sw.batch());
}

TEST(FrontendSwitchUnbound, PrinterDropsRequestsUntilBound) {
  FrontendSwitch sw;
  sw.batch_ui().echo = false;
  Frontend f = sw.frontend();
  f.outlets.printer.print("no/such/file.tmp");
  EXPECT_TRUE(sw.batch_ui().shown.empty());
}

}  // namespace
}  // namespace vx11
