// The view commands of the window: drawings and quick view on the canvas, the view after a
// rating, the start view, the print commands' presence.
// The drawing headers come before Qt's: Qt's "emit" would otherwise rewrite a member name.
#include "draw/connection_drawing.h"
#include "draw/fatal_notice.h"
#include "draw/qt/view_drawing.h"
#include "draw/quick_view.h"

#include <QAction>

#include "tests/ui/print_fixture.h"
#include "ui/command_groups.h"
#include "ui/main_window.h"

namespace vx11::test {
namespace {

TEST(ViewAfterRating, ConfiguredGraphicThenHelpLevelThenWhatIsShown) {
  struct Case {
    const char* name;
    int result_graphic, help_level;
    bool fatal;
    int shown, expected;
  };
  const Case cases[] = {
      {"Quick 1", 1, 0, false, kViewHub, kShownQuick},
      {"Quick 2", 2, 1, true, kShownNothing, kShownQuick},
      {"Fertigungszeichnung", 3, 1, false, kShownQuick, kViewKey},
      {"Diagramm", 4, 1, false, kShownQuick, kViewShaft},
      {"Zeichnung", 5, 0, false, kShownNothing, kViewAssembly},
      {"egal with help", 0, 1, false, kViewHub, kShownQuick},
      {"egal with help, fatal", 0, 2, true, kViewHub, kShownMessages},
      {"egal without help keeps the view", 0, 0, false, kViewHub, kViewHub},
      {"egal without help, nothing shown", 0, 0, true, kShownNothing, kShownNothing},
      {"unknown value", 9, 0, false, kShownMessages, kShownNothing},
  };
  for (const Case& c : cases) {
    Configuration config;
    config.result_graphic = c.result_graphic;
    config.help_level = c.help_level;
    EXPECT_EQ(view_after_rating(config, c.fatal, c.shown), c.expected) << c.name;
  }
}

class ViewCommands : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    install_view_commands(window, *state);
  }
  // The world window the canvas shows after the last drawing.
  ViewFrame shown() {
    const GraphicsState& g = window.canvas()->graphics();
    return {g.wx1, g.wy1, g.wx2, g.wy2};
  }
  static void expect_frame(const ViewFrame& got, const ViewFrame& want, const char* name) {
    EXPECT_EQ(got.x1, want.x1) << name;
    EXPECT_EQ(got.y1, want.y1) << name;
    EXPECT_EQ(got.x2, want.x2) << name;
    EXPECT_EQ(got.y2, want.y2) << name;
  }
  bool has_text(std::string_view text) const {
    const DisplayList& list = window.canvas()->display_list();
    for (std::size_t i = 0; i < list.size(); ++i)
      if (list.record(i).starts_with("6;") && list.record(i).find(text) != std::string_view::npos) return true;
    return false;
  }
  Thh window;
};

TEST_F(ViewCommands, EachViewCommandDrawsItsViewOnTheCanvas) {
  struct Case {
    Command command;
    int view;
  };
  for (const Case c : {Case{Command::ViewKey, kViewKey}, Case{Command::ViewShaft, kViewShaft},
                       Case{Command::ViewHub, kViewHub}, Case{Command::ViewAssembly, kViewAssembly}}) {
    ASSERT_TRUE(window.action(c.command)->isEnabled());
    state->rec.cancelled = true;  // a command starts with the flag cleared
    window.action(c.command)->trigger();
    EXPECT_FALSE(state->rec.cancelled);
    expect_frame(shown(), viewFrame(state->rec, c.view), command_item_name(c.command).data());
  }
  window.action(Command::ViewQuick)->trigger();
  expect_frame(shown(), {0, 0, kQuickViewWidth, kQuickViewHeight}, "quick");
  EXPECT_TRUE(has_text("WERKSTOFF"));
  EXPECT_TRUE(has_text("Fehlermeldungen:"));
}

TEST_F(ViewCommands, ScreenshotsOfTheWindow) {
  window.resize(900, 700);
  window.canvas()->resize(window.canvas()->sizeHint());
  window.action(Command::ViewAssembly)->trigger();
  window.canvas()->render_now();
  screenshot(&window, "window_assembly");
  window.action(Command::ViewQuick)->trigger();
  window.canvas()->render_now();
  screenshot(&window, "window_quick");
  TForm_printconf d(context(), PrintDialogMode::Print);
  screenshot(&d, "print_dialog");
}

TEST_F(ViewCommands, PrintCommandsAreThere) {
  EXPECT_TRUE(window.action(Command::FilePrint)->isEnabled());
  EXPECT_TRUE(window.action(Command::FilePrinterSetup)->isEnabled());
}

TEST_F(ViewCommands, FatalRunShowsTheNoticeAndTheMessagesInsteadOfADrawing) {
  window.action(Command::ViewKey)->trigger();
  expect_frame(shown(), viewFrame(state->rec, kViewKey), "the key drawing");
  state->messages.clear(state->rec.fatal_error);
  state->messages.add("Fatal  : TN = 0 !");
  state->rec.fatal_error = true;
  const std::size_t asked = ui.asked.size();
  window.action(Command::ViewAssembly)->trigger();
  // Nothing of the earlier drawing stays: the notice names the message, then the dialog shows it.
  expect_frame(shown(), {0, 0, kQuickViewWidth, kQuickViewHeight}, "the notice");
  EXPECT_TRUE(has_text(kFatalNoticeTitle));
  EXPECT_TRUE(has_text("Fatal  : TN = 0 !"));
  EXPECT_GT(ui.asked.size(), asked);
  // The view chosen comes back with the next good rating.
  state->rec.fatal_error = false;
  state->config.result_graphic = 0;
  state->config.help_level = 0;
  redraw_current_view(window, *state);
  EXPECT_FALSE(has_text(kFatalNoticeTitle));
  expect_frame(shown(), viewFrame(state->rec, kViewAssembly), "back to the drawing");
}

TEST_F(ViewCommands, RedrawAfterRatingFollowsTheConfiguration) {
  window.action(Command::ViewKey)->trigger();
  state->config.result_graphic = 4;
  redraw_current_view(window, *state);
  expect_frame(shown(), viewFrame(state->rec, kViewShaft), "Diagramm");
  state->config.result_graphic = 0;
  state->config.help_level = 0;
  window.action(Command::ViewKey)->trigger();
  state->rec.shaft_diameter_d = 30;  // a new rating's value shows in the same view
  redraw_current_view(window, *state);
  expect_frame(shown(), viewFrame(state->rec, kViewKey), "egal keeps the key");
  state->config.help_level = 1;
  redraw_current_view(window, *state);
  expect_frame(shown(), {0, 0, kQuickViewWidth, kQuickViewHeight}, "egal with help");
}

TEST_F(ViewCommands, StartViewIsTheQuickViewAfterAFileOfTheCommandLine) {
  struct Case {
    const char* name;
    bool started_with_file;
    int help_level;
    bool drawn;
  };
  for (const Case c : {Case{"with file", true, 1, true}, Case{"no help", true, 0, false},
                       Case{"no file", false, 2, false}}) {
    window.canvas()->surface().Clear();
    state->session.started_with_file = c.started_with_file;
    state->config.help_level = c.help_level;
    show_start_view(window, *state);
    EXPECT_EQ(has_text("WERKSTOFF"), c.drawn) << c.name;
  }
}

}  // namespace
}  // namespace vx11::test
