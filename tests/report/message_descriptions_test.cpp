#include "report/message_descriptions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "project/configuration.h"
#include "test_support.h"

namespace vx11 {
namespace {

using test::read_file;
using test::write_file;

const std::string kSample =
    "Fehler : Seq<1 (0.50 Welle)\r\nU1\r\nA1\r\n"
    "Fehler : Seq<1 (x)\r\nU2\r\nA2\r\n"
    "Warnung: D au\xE1" "erhalb DIN !\r\nU3\r\nA3\r\n"
    "Exec error 2\r\nU4\r\nA4\r\n"
    "letzter Schluessel\r\n";

TEST(FindDescription, FirstFourteenCharactersOfTheFirstMatchingLine) {
  struct Case {
    const char* name;
    std::string message;
    std::optional<MessageDescription> expected;
  };
  const std::vector<Case> cases = {
      {"earlier record wins", "Fehler : Seq<1 (0.93 Nabe)", MessageDescription{"U1", "A1"}},
      {"code page 850 key", "Warnung: D au\xE1" "erhalb DIN !", MessageDescription{"U3", "A3"}},
      {"short message equals whole line", "Exec error 2", MessageDescription{"U4", "A4"}},
      {"longer short message", "Exec error 23", std::nullopt},
      {"case-sensitive", "fehler : Seq<1 (0.93 Nabe)", std::nullopt},
      {"different at character 14", "Fehler : Seq<2 (0.93 Nabe)", std::nullopt},
      {"key on the last line", "letzter Schluessel", std::nullopt},
  };
  for (const auto& c : cases) {
    std::istringstream in(kSample);
    const auto d = findDescription(in, c.message);
    ASSERT_EQ(d.has_value(), c.expected.has_value()) << c.name;
    if (d) {
      EXPECT_EQ(d->cause, c.expected->cause) << c.name;
      EXPECT_EQ(d->remedy, c.expected->remedy) << c.name;
    }
  }
}

TEST(FindDescription, PlainLineEndsAndAMissingRemedy) {
  std::istringstream lf("Schraffurfehler\nzu viele Punkte\nweniger Punkte\n");
  const auto d = findDescription(lf, "Schraffurfehler");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->cause, "zu viele Punkte");
  EXPECT_EQ(d->remedy, "weniger Punkte");

  std::istringstream short_record("Schraffurfehler\r\nnur Ursache\r\n");
  const auto e = findDescription(short_record, "Schraffurfehler");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->cause, "nur Ursache");
  EXPECT_EQ(e->remedy, "");
}

TEST(RewriteDescription, ReplacesOnlyTheFirstMatchingRecord) {
  std::istringstream in(kSample);
  std::ostringstream out;
  ASSERT_TRUE(rewriteDescription(in, out, "Fehler : Seq<1 (0.93 Nabe)", {"neu U", "neu A"}));
  std::string expected = kSample;
  expected.replace(expected.find("U1"), 2, "neu U");
  expected.replace(expected.find("A1"), 2, "neu A");
  EXPECT_EQ(out.str(), expected);

  std::istringstream lf("K\nU\nA\nrest\n");
  std::ostringstream lf_out;
  ASSERT_TRUE(rewriteDescription(lf, lf_out, "K", {"u", "a"}));
  EXPECT_EQ(lf_out.str(), "K\r\nu\r\na\r\nrest\r\n");

  std::istringstream none(kSample);
  std::ostringstream none_out;
  EXPECT_FALSE(rewriteDescription(none, none_out, "Fatal  : d = 0 !", {"u", "a"}));
}

TEST(DescriptionFiles, NamedAfterTheProgramInBothFolders) {
  const ProgramIdentity id;
  const auto f = descriptionFiles("/usr/share/vx11", "/tmp/", id);
  EXPECT_EQ(f.source, "/usr/share/vx11/vx11.err");
  EXPECT_EQ(f.work, "/tmp/vx11.err");
  EXPECT_EQ(descriptionFiles("", "", id).source, "vx11.err");

  Configuration config = default_configuration("/start/");
  config.plt_folder = "/opt/vx11/share/vx11/";
  config.temp_folder = "/var/tmp";
  const auto c = descriptionFiles(config, id);
  EXPECT_EQ(c.source, "/opt/vx11/share/vx11/vx11.err");
  EXPECT_EQ(c.work, "/var/tmp/vx11.err");
}

class DescriptionFileTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder{"descriptions"};
  DescriptionFiles files{folder.file("vx11.err"), folder.file("work.err")};
  test::RecordingInteraction ui;
};

TEST_F(DescriptionFileTest, PrintTextsForMissingFileAndMissingRecord) {
  const auto missing = describeForPrint(files.source, "Schraffurfehler");
  EXPECT_EQ(missing.cause, "");
  EXPECT_EQ(missing.remedy, "");
  write_file(files.source, kSample);
  const auto none = describeForPrint(files.source, "Schraffurfehler");
  EXPECT_EQ(none.cause, kNoDescription);
  EXPECT_EQ(none.remedy, "");
  EXPECT_EQ(describeForPrint(files.source, "Exec error 2").remedy, "A4");
}

TEST_F(DescriptionFileTest, DialogLookUpReportsMissingFileAndMissingRecord) {
  const DescriptionLookup missing = lookUpForDialog(files.source, "Exec error 2", ui);
  EXPECT_FALSE(missing.description);
  EXPECT_TRUE(missing.unreadable);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Fehler : |Datei " + files.source + " nicht gefunden oder kein Zugriffsrecht !");

  write_file(files.source, kSample);
  const DescriptionLookup none = lookUpForDialog(files.source, "Schraffurfehler", ui);
  EXPECT_FALSE(none.description);
  EXPECT_FALSE(none.unreadable);
  EXPECT_EQ(ui.shown.back(), "Meldung|keine Beschreibung dieser Fehlermeldung vorhanden.");
  EXPECT_TRUE(lookUpForDialog(files.source, "Exec error 2", ui).description);
}

TEST_F(DescriptionFileTest, SaveReplacesTheFileWhole) {
  write_file(files.source, kSample);
  ASSERT_EQ(saveDescription(files, "Exec error 2", {"neue Ursache", "neue Abhilfe"}, ui), DescriptionSave::Saved);
  std::string expected = kSample;
  expected.replace(expected.find("U4"), 2, "neue Ursache");
  expected.replace(expected.find("A4"), 2, "neue Abhilfe");
  EXPECT_EQ(read_file(files.source), expected);
  EXPECT_FALSE(std::filesystem::exists(files.work));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(DescriptionFileTest, SaveOfAVanishedKeyLeavesTheFileUnchanged) {
  write_file(files.source, kSample);
  EXPECT_EQ(saveDescription(files, "Schraffurfehler", {"u", "a"}, ui), DescriptionSave::NotSaved);
  EXPECT_EQ(read_file(files.source), kSample);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Meldung:|Schraffurfehler not found.");
  EXPECT_FALSE(std::filesystem::exists(files.work));
}

TEST_F(DescriptionFileTest, SaveFailuresAreReported) {
  // The source itself as the work file (compared in upper case): nothing happens.
  write_file(files.source, kSample);
  DescriptionFiles same{files.source, folder.file("VX11.ERR")};
  EXPECT_EQ(saveDescription(same, "Exec error 2", {"u", "a"}, ui), DescriptionSave::NotSaved);
  EXPECT_TRUE(ui.shown.empty());

  // The new text goes beside the source, not through the temporary folder: a missing one is no
  // obstacle.
  DescriptionFiles no_work{files.source, folder.file("missing/dir/vx11.err")};
  EXPECT_EQ(saveDescription(no_work, "Exec error 2", {"u", "a"}, ui), DescriptionSave::Saved);
  EXPECT_TRUE(ui.shown.empty());

  DescriptionFiles no_source{folder.file("none.err"), files.work};
  EXPECT_EQ(saveDescription(no_source, "Exec error 2", {"u", "a"}, ui), DescriptionSave::Failed);
  EXPECT_FALSE(std::filesystem::exists(no_source.source));
}

}  // namespace
}  // namespace vx11
