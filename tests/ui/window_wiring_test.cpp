// How the command groups meet in one window: help pictures in a window of their own, the window's
// description dialog behind every message browsing, the print dialog's help button, and the first
// view after a start with a file.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <filesystem>

#include "calc/rating.h"
#include "draw/display_list.h"
#include "base/help_numbers.h"
#include "base/text.h"
#include "tests/ui/help_fixture.h"
#include "tests/ui/qt_test_support.h"
#include "tests/ui/window_fixture.h"
#include "ui/canvas.h"
#include "ui/help_desk.h"
#include "ui/print_dialog.h"
#include "ui/command_groups.h"
#include "ui/main_window.h"
#include "ui/window_startup.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;
using test::ModalDriver;

std::vector<std::string> canvas_texts(const Thh& window) {
  std::vector<std::string> texts;
  const DisplayList& list = window.canvas()->display_list();
  for (std::size_t i = 0; i < list.size(); ++i) {
    DisplayRecord r;
    if (parseDisplayRecord(list.record(i), r) && r.code == kRecText) texts.emplace_back(r.text);
  }
  return texts;
}

bool has(const std::vector<std::string>& texts, const std::string& part) {
  return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(part) != std::string::npos; });
}

class WindowWiring : public test::HelpTest {
 protected:
  void SetUp() override {
    HelpTest::SetUp();
    start();
    install_view_commands(window, *state);
    install_help_commands(window, *state);
  }
  Thh window;
};

TEST_F(WindowWiring, HelpPicturesOpenAWindowOfTheirOwnAndLeaveTheCanvasAlone) {
  ASSERT_TRUE(window.help.picture);
  ASSERT_TRUE(window.help.text);
  load_example("beispiel.vxk");
  window.action(Command::ViewQuick)->trigger();
  ASSERT_TRUE(has(canvas_texts(window), "WERKSTOFF"));
  state->help_number = kHelpPictureKA;
  window.help.picture();
  EXPECT_TRUE(has(test::picture_texts(&window), "Teq = TN * KA"));
  // The view stays on the canvas, where the person left it.
  EXPECT_FALSE(has(canvas_texts(window), "Teq = TN * KA"));
  EXPECT_TRUE(has(canvas_texts(window), "WERKSTOFF"));
}

TEST_F(WindowWiring, AFatalViewShowsTheWindowsDescriptionDialog) {
  ASSERT_NE(window.descriptions, nullptr);
  load_example("beispiel.vxk");
  state->rec.nominal_torque_tn = 0;
  auto calc = state->calc();
  run_rating(calc);
  ASSERT_TRUE(state->rec.fatal_error);
  state->config.result_graphic = 0;
  state->config.help_level = 2;

  struct Case {
    const char* name;
    std::function<void()> run;
  };
  const Case cases[] = {
      {"drawing view", [&] { window.action(Command::ViewAssembly)->trigger(); }},
      {"refresh after rating", [&] { redraw_current_view(window, *state); }},
      {"help menu", [&] { window.action(Command::HelpErrorMessages)->trigger(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui = ScriptedInteraction();
    ui.choices = {0, std::nullopt};  // the first message, then the end of the browsing
    QString meldung;
    ModalDriver driver({[&](QWidget* d) {
      if (auto* e = d->findChild<QLineEdit*>("Edit_meldung")) meldung = e->text();
      test::reject(d);
    }});
    c.run();
    EXPECT_EQ(driver.steps_run(), 1);
    EXPECT_EQ(meldung.toStdString(), toWindows(state->format, state->messages.entry(1)));
  }
}

TEST_F(WindowWiring, HelpButtonOfThePrintDialogShowsItsHelpText) {
  bool enabled = false;
  ModalDriver driver({[&](QWidget* d) {
    auto* help = d->findChild<QPushButton*>("Button_help");
    enabled = help && help->isEnabled();
    if (enabled) help->click();
    test::reject(d);
  }});
  window.action(Command::FilePrint)->trigger();
  EXPECT_EQ(driver.steps_run(), 1);
  EXPECT_TRUE(enabled);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].rfind("HILFETEXT Nr.1030|", 0), 0u) << ui.shown[0];
}

class WindowHelpBoxes : public test::HelpTest {
 protected:
  void SetUp() override {
    HelpTest::SetUp();
    start(true);
  }
  Thh window;
};

TEST_F(WindowHelpBoxes, AHelpTextLongerThanOneConvertedTextShowsWhole) {
  HelpDesk& desk = HelpDesk::of(&window, *state);
  QString box;
  ModalDriver driver({[&](QWidget* d) {
    if (auto* l = d->findChild<QLabel*>("qt_msgbox_label")) box = l->text();
    test::reject(d);
  }});
  desk.show_help(kHelpPrintSetup, HelpMode::TextOnly);
  EXPECT_EQ(driver.steps_run(), 1);
  const QString end = QString::fromUtf8("von dort wieder übernehmen.");
  EXPECT_TRUE(box.startsWith(QString::fromUtf8("Druckeinstellung der Zeichnung: Maßstab"))) << box.toStdString();
  EXPECT_TRUE(box.contains(end)) << box.toStdString();
  EXPECT_TRUE(desk.tooltip(kHelpPrintSetup).contains(end));
}

class WindowStartView : public test::WindowTest {};

TEST_F(WindowStartView, AFileOfTheCommandLineOpensWithTheQuickView) {
  Thh started;
  state->config_folder = root + "/";
  const std::string path = example("beispiel");
  // The configured result graphic is the assembly drawing; the start view still is the quick view.
  state->config.result_graphic = 5;
  state->config.help_level = 1;
  ASSERT_FALSE(start_window(started, *state, {path}).has_value());
  ASSERT_TRUE(state->session.started_with_file);
  EXPECT_NE(started.descriptions, nullptr);
  EXPECT_TRUE(started.help.text);
  EXPECT_TRUE(has(canvas_texts(started), "WERKSTOFF"));

  // Without "Hilfegrad" the window opens empty.
  Thh quiet;
  state->config.help_level = 0;
  state->session.started_with_file = false;
  ASSERT_FALSE(start_window(quiet, *state, {path}).has_value());
  EXPECT_TRUE(canvas_texts(quiet).empty());
}

}  // namespace
}  // namespace vx11
