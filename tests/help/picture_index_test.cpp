#include <gtest/gtest.h>

#include <sstream>

#include "help/picture_index.h"
#include "help/picture_print.h"
#include "help/picture_steps.h"
#include "help_test_support.h"
#include "base/interaction.h"

namespace vx11 {
namespace {

using test::ScratchFolder;

TEST(PictureIndex, ParseLines) {
  struct Case {
    const char* line;
    const char* name;
    const char* info;
    bool ok;
  };
  for (const Case& k : {
           Case{"\"ka\",\"Anwendungsfaktor KA\"", "ka", "Anwendungsfaktor KA", true},
           Case{"\"fw\" , \"Lastrichtung\"", "fw", "Lastrichtung", true},
           Case{"", "", "", true},
           Case{"\"nur\"", "nur", "", true},
           Case{"\"offen", "offen", "", true},
           Case{"ka,\"Info\"", "ka,\"Info\"", "", false},
           Case{"\"ka\",Info ohne", "ka", "Info ohne", false},
       }) {
    SCOPED_TRACE(k.line);
    PictureIndexEntry e;
    EXPECT_EQ(parseIndexLine(k.line, e), k.ok);
    EXPECT_EQ(e.name, k.name);
    EXPECT_EQ(e.info, k.info);
  }
  EXPECT_EQ(indexLine({"ka", "Info"}), "\"ka\",\"Info\"");
  EXPECT_EQ(indexLine({"ka", "Teq \"gro\xE1\"\r\n"}), "\"ka\",\"Teq 'gro\xE1'  \"");
}

TEST(PictureIndex, ReadsAtMost130Lines) {
  std::string text;
  for (int i = 0; i < 140; ++i) text += "\"b" + std::to_string(i) + "\",\"x\"\r\n";
  std::istringstream in(text);
  const PictureIndex index = readPictureIndex(in);
  EXPECT_EQ(index.entries.size(), 130u);
  EXPECT_EQ(index.entries.back().name, "b129");
  EXPECT_FALSE(index.malformed);
}

TEST(PictureIndex, ListEntriesAndActions) {
  PictureIndex index;
  index.entries = {{"ka", "Anwendungsfaktor"}, {"langername", std::string(70, 'x')}};
  const std::vector<std::string> list = pictureListEntries(index);
  ASSERT_EQ(list.size(), 7u);
  EXPECT_EQ(list[0], "ka      : Anwendungsfaktor");
  EXPECT_EQ(list[1].size(), 65u);
  EXPECT_EQ(list[1].substr(0, 12), "langerna: xx");  // the name column is 8 wide
  EXPECT_EQ(list[2], "-----  Erweitern  -----");
  EXPECT_EQ(list[3], "-----  L\x94schen  -----");
  EXPECT_EQ(list[4], "-----  \x8Endern  ------");
  EXPECT_EQ(list[5], "-----  Einf\x81gen ------");
  EXPECT_EQ(list[6], "-----  HP-GL/2 drucken/plotten  ------");
  EXPECT_EQ(listAction(index, 1), std::nullopt);
  EXPECT_EQ(listAction(index, 2), PictureAction::Append);
  EXPECT_EQ(listAction(index, 6), PictureAction::Print);
  EXPECT_EQ(listAction(index, 7), std::nullopt);
}

TEST(PictureIndex, Rewrites) {
  const std::string original = "\"a\",\"1\"\r\n\"b\",\"2\"\r\n\"c\",\"3\"\r\n";
  const PictureIndexEntry n{"neu", "Neu"};
  struct Case {
    const char* name;
    int line;
    const PictureIndexEntry* replace;
    const PictureIndexEntry* before;
    bool ok;
    std::string result;
  };
  for (const Case& k : {
           Case{"delete the middle line", 1, nullptr, nullptr, true, "\"a\",\"1\"\r\n\"c\",\"3\"\r\n"},
           Case{"delete the last line", 2, nullptr, nullptr, true, "\"a\",\"1\"\r\n\"b\",\"2\"\r\n"},
           Case{"change", 0, &n, nullptr, true, "\"neu\",\"Neu\"\r\n\"b\",\"2\"\r\n\"c\",\"3\"\r\n"},
           Case{"insert before", 2, nullptr, &n, true, "\"a\",\"1\"\r\n\"b\",\"2\"\r\n\"neu\",\"Neu\"\r\n\"c\",\"3\"\r\n"},
           Case{"no such line", 3, nullptr, nullptr, false, ""},
           Case{"negative line", -1, &n, nullptr, false, ""},
       }) {
    SCOPED_TRACE(k.name);
    std::istringstream in(original);
    std::ostringstream out;
    EXPECT_EQ(rewriteIndex(in, out, k.line, k.replace, k.before), k.ok);
    EXPECT_EQ(out.str(), k.result);
  }
}

struct IndexFolder : ::testing::Test {
  ScratchFolder folder;
  HelpSettings settings;
  ScriptedInteraction ui;
  int help_number = 0;
  bool cancelled = false;
  std::string title = "VX11  -  Scheibenfederberechnung";
  PictureSteps steps{settings, title, ui, help_number, cancelled};
  PictureIndexFile file;

  void SetUp() override {
    settings.folder = folder.str();
    file = PictureIndexFile{folder.str(), "vx11"};
    folder.write("vx11.dbh", "\"ka\",\"Anwendungsfaktor\"\r\n\"FW 1\",\"Lastrichtung\"\r\n");
    folder.write("ka.plt", "PD40,0;");
  }
  PictureIndex index() { return *file.read(ui); }
};

TEST_F(IndexFolder, FileOperations) {
  EXPECT_TRUE(file.exists());
  EXPECT_TRUE(file.append({"fl", "Lastspitzen"}, ui));
  EXPECT_TRUE(file.insert(0, {"x", "vorn"}, ui));
  EXPECT_TRUE(file.change(2, {"fw", "neu"}, ui));
  EXPECT_TRUE(file.remove(3, ui));
  EXPECT_EQ(folder.read("vx11.dbh"), "\"x\",\"vorn\"\r\n\"ka\",\"Anwendungsfaktor\"\r\n\"fw\",\"neu\"\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder.file("$$$.dbh")));
  EXPECT_FALSE(cancelled);
  EXPECT_TRUE(ui.shown.empty());

  EXPECT_FALSE(file.remove(7, ui));
  EXPECT_FALSE(cancelled);  // the file layer reports; the step that called it sets the flag
  EXPECT_EQ(folder.read("vx11.dbh").size(), 49u);  // untouched
}

TEST_F(IndexFolder, AppendAfterALastLineWithoutLineEnd) {
  folder.write("vx11.dbh", "\"ka\",\"eins\"");
  EXPECT_TRUE(file.append({"fl", "zwei"}, ui));
  EXPECT_EQ(folder.read("vx11.dbh"), "\"ka\",\"eins\"\r\n\"fl\",\"zwei\"\r\n");
  std::filesystem::remove(folder.file("vx11.dbh"));
  EXPECT_TRUE(file.append({"fl", "zwei"}, ui));  // a new index
  EXPECT_EQ(folder.read("vx11.dbh"), "\"fl\",\"zwei\"\r\n");
}

TEST_F(IndexFolder, LinesBeyondTheListSurviveARewrite) {
  std::string text;
  for (int i = 0; i < 135; ++i) text += "\"b" + std::to_string(i) + "\",\"x\"\r\n";
  folder.write("vx11.dbh", text);
  EXPECT_TRUE(file.remove(0, ui));
  EXPECT_EQ(folder.read("vx11.dbh"), text.substr(text.find('\n') + 1));
}

TEST_F(IndexFolder, MissingOrMalformedIndex) {
  folder.write("vx11.dbh", "\"ka\",\"gut\"\r\nkaputt\r\n");
  const PictureIndex read = index();
  EXPECT_TRUE(read.malformed);
  EXPECT_EQ(read.entries[1].name, "kaputt");
  EXPECT_EQ(ui.shown, std::vector<std::string>{"Fehler : |DBH file error"});

  std::filesystem::remove(folder.file("vx11.dbh"));
  EXPECT_FALSE(file.exists());
  EXPECT_FALSE(file.read(ui));
  EXPECT_FALSE(file.remove(0, ui));
  EXPECT_EQ(ui.shown.back(), "Fehler : |Datei " + file.path() + " nicht gefunden !");
  // The delete step that meets the failure ends the list through the abort flag.
  ui.answers = {Answer::Yes};
  EXPECT_FALSE(deletePicture(steps, read, 0));
  EXPECT_TRUE(cancelled);
}

TEST_F(IndexFolder, AppendAndInsertSteps) {
  ui.files = {folder.file("fl.plt"), folder.file("neu.PLT")};
  ui.texts = {std::string(60, 'i'), std::string("vorn")};
  EXPECT_TRUE(appendPicture(steps));
  EXPECT_EQ(help_number, 2310);
  EXPECT_TRUE(insertPicture(steps, index(), 1));
  EXPECT_EQ(help_number, 2350);
  const PictureIndex after = index();
  ASSERT_EQ(after.entries.size(), 4u);
  EXPECT_EQ(after.entries[1].name, "neu");
  EXPECT_EQ(after.entries[3].name, "fl");
  EXPECT_EQ(after.entries[3].info, std::string(50, 'i'));
  EXPECT_EQ(ui.asked[1], title + "|Information zum Hilfebild");

  // Cancelling the file dialog ends the step and the list.
  EXPECT_FALSE(appendPicture(steps));
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(index().entries.size(), 4u);
}

TEST_F(IndexFolder, DeleteStep) {
  ui.answers = {Answer::No, Answer::Cancel, Answer::Yes};
  EXPECT_FALSE(deletePicture(steps, index(), 0));
  EXPECT_FALSE(cancelled);
  EXPECT_FALSE(deletePicture(steps, index(), 0));
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(index().entries.size(), 2u);
  EXPECT_TRUE(deletePicture(steps, index(), 0));
  EXPECT_EQ(ui.asked[2], title + "|L\x94schen ?");
  ui.choices = {0};
  EXPECT_TRUE(deletePicture(steps, index(), -1));
  EXPECT_EQ(help_number, 2320);
  EXPECT_EQ(folder.read("vx11.dbh"), "");
}

TEST_F(IndexFolder, ChangeStepPresetsTheOldName) {
  // Without scripted texts the questions return their presets.
  ui.choices = {1};
  EXPECT_TRUE(changePicture(steps, index(), -1));
  EXPECT_EQ(help_number, 2340);
  EXPECT_EQ(index().entries[1].name, "fw1");
  EXPECT_EQ(index().entries[1].info, "Lastrichtung");
  EXPECT_EQ(ui.asked[0], "Zu \x84ndernde Zeile w\x84hlen...|ka      : Anwendungsfaktor");
  EXPECT_EQ(ui.asked[1], title + "|Dateiname (ohne Endung .plt)");

  ui.texts = {std::string("langer_name"), std::string("neue Info")};
  EXPECT_TRUE(changePicture(steps, index(), 0));
  EXPECT_EQ(index().entries[0].name, "langer_n");
  EXPECT_EQ(index().entries[0].info, "neue Info");
}

TEST(PicturePrint, CopiesThePlotUnchanged) {
  std::string plot;
  for (int i = 0; i < 5000; ++i) plot += static_cast<char>(i % 256);
  for (bool control : {false, true}) {
    SCOPED_TRACE(control);
    std::istringstream in(plot);
    std::ostringstream out;
    EXPECT_TRUE(copyPlot(in, out, control));
    EXPECT_EQ(out.str(), control ? "\x1b" "E\x1b%0B" + plot + "\x1b%0A\x1b" "E" : plot);
  }
}

TEST_F(IndexFolder, PrintStepWritesToTheDevice) {
  ui.choices = {0};
  ui.texts = {std::string("2")};
  ui.answers = {Answer::Cancel};  // nothing reaches a real port from the test
  // The port file stands in for the printer: print straight to a file with the same call.
  bool ok = printPlotFile(folder.file("ka.plt"), folder.file("lp"), true, ui);
  EXPECT_TRUE(ok);
  EXPECT_EQ(folder.read("lp"), "\x1b" "E\x1b%0BPD40,0;\x1b%0A\x1b" "E");

  EXPECT_FALSE(printPlotFile(folder.file("fehlt.plt"), folder.file("lp"), false, ui));
  EXPECT_FALSE(printPlotFile(folder.file("ka.plt"), folder.file("kein/ordner/lp"), false, ui));
  EXPECT_EQ(ui.shown.back(), "Fehler : |Datei " + folder.file("kein/ordner/lp") + " kann nicht angelegt werden !");

  // The step asks for the picture, the port and the control sequences in this order.
  cancelled = false;
  EXPECT_FALSE(printPicture(steps, index(), -1));
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(help_number, 2370);
  ASSERT_GE(ui.asked.size(), 3u);
  EXPECT_EQ(ui.asked[0], "Welches Bild ausdrucken ?|ka      : Anwendungsfaktor");
  EXPECT_NE(ui.asked[1].find("Druckerschnittstelle (max = 3, default=1)"), std::string::npos);
  EXPECT_EQ(ui.asked[2], title + "|Steuersequenz f\x81r HP-GL/2-Laserdrucker vorausschicken ?");
}

TEST(PictureSteps, NameOfChosenFile) {
  EXPECT_EQ(pictureNameOf("/a/b/ka.plt"), "ka");
  EXPECT_EQ(pictureNameOf("/a/b/KA.PLT"), "KA");
  EXPECT_EQ(pictureNameOf("bild"), "bild");
}

}  // namespace
}  // namespace vx11
