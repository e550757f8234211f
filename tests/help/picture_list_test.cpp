#include <gtest/gtest.h>

#include <deque>

#include "help/picture_list.h"
#include "help_test_support.h"
#include "base/interaction.h"

namespace vx11 {
namespace {

using test::RecordingSink;
using test::ScratchFolder;
using Cmd = PictureListCommand;

// Plays back list-dialog answers and records what each showing offered.
class ScriptedListDialog : public PictureListDialog {
 public:
  PictureListAnswer show(const std::string& caption, const std::vector<std::string>& entries, int current) override {
    captions.push_back(caption);
    sizes.push_back(static_cast<int>(entries.size()));
    presets.push_back(current);
    if (answers.empty()) return {Cmd::Cancel, 0};
    const PictureListAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<PictureListAnswer> answers;
  std::vector<std::string> captions;
  std::vector<int> sizes, presets;
};

// Counts the pictures drawn by the first line each one draws.
class PictureCanvas : public RecordingSink {
 public:
  void setWorldWindow(Real w, Real h) override {
    RecordingSink::setWorldWindow(w, h);
    ++pictures;
  }
  void lineTo(Real x, Real y) override {
    RecordingSink::lineTo(x, y);
    last_x = x;
  }
  int pictures = 0;
  Real last_x = -1;
};

struct PictureList : ::testing::Test {
  ScratchFolder folder;
  HelpSettings settings;
  std::string title = "VX11  -  Scheibenfederberechnung";
  std::string short_name = "VX11";
  ScriptedInteraction ui;
  ScriptedListDialog dialog;
  PictureCanvas canvas;
  int help_number = 0;
  bool cancelled = false;
  PictureListState state;

  void SetUp() override {
    settings.folder = folder.str();
    // Each picture draws one line whose end tells which picture it was.
    folder.write("a.plt", "PD40,0;");
    folder.write("b.plt", "PD80,0;");
    folder.write("c.plt", "PD120,0;");
    folder.write("vx11.dbh", "\"a\",\"eins\"\r\n\"b\",\"zwei\"\r\n\"c\",\"drei\"\r\n");
  }
  void run(bool quiet = false) {
    PictureListServices s{settings, title, short_name, ui, dialog, canvas, help_number, cancelled, quiet};
    showHelpPictures(s, state);
  }
};

TEST_F(PictureList, FirstPassDrawsPictureOneThenTheDialogMoves) {
  dialog.answers = {{Cmd::Select, 2}, {Cmd::Down, 0}, {Cmd::Up, 0}, {Cmd::Up, 0}, {Cmd::Up, 0}, {Cmd::Ok, 0}};
  run();
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(help_number, 2300);
  ASSERT_EQ(dialog.captions.size(), 6u);
  EXPECT_EQ(dialog.captions[0], "VX11 Hilfebilder");
  EXPECT_EQ(dialog.sizes[0], 3 + 5);
  // Picture 1, then c, c again (not beyond the last), b, a, a (not before the first).
  EXPECT_EQ(dialog.presets, (std::vector<int>{0, 2, 2, 1, 0, 0}));
  EXPECT_EQ(canvas.pictures, 6);
  EXPECT_EQ(canvas.last_x, 1);
  EXPECT_EQ(state.last.command, Cmd::Ok);

  // The next call goes straight to the dialog with the remembered entry.
  dialog.answers = {{Cmd::Ok, 0}};
  state.current = 1;
  run();
  EXPECT_EQ(dialog.presets.back(), 1);
  EXPECT_EQ(canvas.pictures, 6);
}

TEST_F(PictureList, ActionsFromTheListAndFromTheButtons) {
  ui.choices = {0};                      // "Zu löschende Zeile wählen...": the first line
  ui.answers = {Answer::Yes};            // "Löschen ?" for the button on the current picture
  dialog.answers = {{Cmd::Select, 3 + 1}, {Cmd::Delete, 0}, {Cmd::Ok, 0}};
  run();
  EXPECT_EQ(ui.asked[0], "Zu l\x94schende Zeile w\x84hlen...|a       : eins");
  EXPECT_EQ(ui.asked[1], title + "|L\x94schen ?");
  EXPECT_EQ(dialog.sizes, (std::vector<int>{8, 7, 6}));
  EXPECT_EQ(folder.read("vx11.dbh"), "\"c\",\"drei\"\r\n");
  EXPECT_FALSE(cancelled);
}

TEST_F(PictureList, CancelsEndTheList) {
  struct Case {
    const char* name;
    std::deque<PictureListAnswer> answers;
    std::size_t shown;
  };
  for (const Case& k : {Case{"dialog cancelled", {{Cmd::Cancel, 0}}, 1},
                        Case{"a step cancelled", {{Cmd::Append, 0}, {Cmd::Ok, 0}}, 1}}) {
    SCOPED_TRACE(k.name);
    dialog = ScriptedListDialog{};
    dialog.answers = k.answers;
    state = PictureListState{};
    cancelled = false;
    run();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(dialog.captions.size(), k.shown);
  }
}

TEST_F(PictureList, QuietStartUpMakesOnePass) {
  run(true);
  EXPECT_TRUE(dialog.captions.empty());
  EXPECT_EQ(canvas.pictures, 1);
}

TEST_F(PictureList, WithoutIndexAPictureFileIsChosen) {
  std::filesystem::create_directories(folder.file("andere"));
  folder.write("andere/bild.plt", "PD200,0;");
  std::filesystem::remove(folder.file("vx11.dbh"));
  ui.files = {folder.file("andere/bild.plt")};
  run();
  EXPECT_EQ(settings.folder, folder.file("andere"));
  EXPECT_EQ(canvas.last_x, 5);
  // The second file dialog (still no index) is cancelled by the script's end.
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(ui.asked.size(), 2u);
}

}  // namespace
}  // namespace vx11
