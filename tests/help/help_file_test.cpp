#include <gtest/gtest.h>

#include <sstream>

#include "help/help_file.h"
#include "help/help_level.h"
#include "help/help_settings.h"
#include "help/help_show.h"
#include "help_test_support.h"
#include "base/interaction.h"
#include "base/text.h"

namespace vx11 {
namespace {

using test::RecordingSink;
using test::ScratchFolder;

// Lines end in CR LF as in the shipped files.
std::string crlf(std::initializer_list<const char*> lines) {
  std::string s;
  for (const char* l : lines) s += std::string(l) + "\r\n";
  return s;
}

const std::string kSample = crlf({
    "Kommentarzeile ohne Nummer",
    "4000:ka",
    "Erste Zeile",
    "Zweite Zeile",
    "Dritte Zeile",
    "4005",
    "Eintrag zwei",
    "4001",
    "gehoert zu keinem Eintrag",
    "4010: FW  ",
    "Eins",
    "4012",
    "Drei",
    "Vier",
    "4017",
    "uebersprungen",
    "F\x81nf",
    "Sechs wird nicht gelesen",
    "4020",
    "4035 Nm ist Text, kein Kopf",
    "  25",
    "Kopf mit Leerzeichen",
});

TEST(HelpFile, FileByNumber) {
  EXPECT_EQ(helpFileName("vx11", 3999), "korvant.hlp");
  EXPECT_EQ(helpFileName("vx11", 4000), "vx11.hlp");
  EXPECT_EQ(helpFileName("vx11", 1), "korvant.hlp");
}

TEST(HelpFile, HeaderLines) {
  struct Case {
    const char* line;
    std::optional<int> number;
  };
  for (const Case& k : {Case{"4000", 4000}, Case{"4000:ka", 4000}, Case{"  25", 25}, Case{"12", 12},
                        Case{"12ab", std::nullopt}, Case{"Text 4000", std::nullopt}, Case{"", std::nullopt},
                        Case{"    x", std::nullopt}, Case{"-100", std::nullopt}, Case{"123456", 1234}}) {
    SCOPED_TRACE(k.line);
    EXPECT_EQ(helpHeaderNumber(k.line), k.number);
  }
}

TEST(HelpFile, FindEntry) {
  using Lines = std::array<std::string, 5>;
  struct Case {
    const char* name;
    int n;
    std::optional<Lines> lines;
    std::string picture;
  };
  for (const Case& k : {
           Case{"plain lines up to the next main entry", 4000,
                Lines{"Erste Zeile", "Zweite Zeile", "Dritte Zeile", "", ""}, "ka"},
           Case{"a numbered line of another entry is skipped", 4005, Lines{"Eintrag zwei", "", "", "", ""}, ""},
           Case{"numbered lines place their text; n+7 is skipped; five at most", 4010,
                Lines{"Eins", "", "Drei", "Vier", "F\x81nf"}, "FW"},
           Case{"a text line that starts with a number belongs to its entry", 4020,
                Lines{"4035 Nm ist Text, kein Kopf", "", "", "", ""}, ""},
           Case{"that text line is no header", 4035, std::nullopt, ""},
           Case{"a header with leading blanks", 25, Lines{"Kopf mit Leerzeichen", "", "", "", ""}, ""},
           Case{"a numbered line is found by its own number", 4001,
                Lines{"gehoert zu keinem Eintrag", "", "", "", ""}, ""},
           Case{"missing number", 4100, std::nullopt, ""},
       }) {
    SCOPED_TRACE(k.name);
    std::istringstream in(kSample);
    const std::optional<HelpEntry> e = findHelpEntry(in, k.n);
    ASSERT_EQ(e.has_value(), k.lines.has_value());
    if (!e) continue;
    EXPECT_EQ(e->lines, *k.lines);
    EXPECT_EQ(e->picture, k.picture);
    EXPECT_EQ(e->number, k.n);
  }
}

TEST(HelpFile, HeaderAtEndOfFile) {
  std::istringstream in("4000\r\nnur eine Zeile");
  const std::optional<HelpEntry> e = findHelpEntry(in, 4000);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->lines[0], "nur eine Zeile");
  std::istringstream last("4000");
  ASSERT_TRUE(findHelpEntry(last, 4000));
}

struct HelpFolder : ::testing::Test {
  ScratchFolder folder;
  HelpSettings settings;
  ScriptedInteraction ui;
  RecordingSink canvas;
  int help_number = 4000;
  bool cancelled = true;
  HelpServices services{ui, &canvas, help_number, cancelled};

  void SetUp() override {
    settings.folder = folder.str();
    folder.write("vx11.hlp", kSample);
    folder.write("korvant.hlp", crlf({"3999:NULL", "Geteilte Hilfe", "1000:bild", "Lasten"}));
    folder.write("ka.plt", "IN;SP1;PU0,0;PD400,0;");
  }
};

TEST_F(HelpFolder, LookupByNumberAndFile) {
  struct Case {
    const char* name;
    int n;
    HelpLookup::Status status;
    const char* file;
  };
  for (const Case& k : {Case{"own file from 4000", 4000, HelpLookup::Status::Found, "vx11.hlp"},
                        Case{"shared file below 4000", 3999, HelpLookup::Status::Found, "korvant.hlp"},
                        Case{"number not in the file", 4100, HelpLookup::Status::NotFound, "vx11.hlp"}}) {
    SCOPED_TRACE(k.name);
    const HelpLookup found = lookupHelp(settings.folder, "vx11", k.n);
    EXPECT_EQ(found.status, k.status);
    EXPECT_EQ(found.path, folder.file(k.file));
  }
  std::filesystem::remove(folder.file("korvant.hlp"));
  EXPECT_EQ(lookupHelp(settings.folder, "vx11", 3999).status, HelpLookup::Status::FileMissing);
}

TEST_F(HelpFolder, BoxTexts) {
  EXPECT_EQ(helpCaption(5120), "HILFETEXT Nr.5120");
  EXPECT_EQ(helpBoxText(lookupHelp(settings.folder, "vx11", 4000), 4000),
            "Erste Zeile Zweite Zeile Dritte Zeile   ");
  EXPECT_EQ(helpBoxText(lookupHelp(settings.folder, "vx11", 4100), 4100),
            "Hilfetext Nr 4100: keine Hilfe vorhanden.");
  std::filesystem::remove(folder.file("vx11.hlp"));
  EXPECT_EQ(helpBoxText(lookupHelp(settings.folder, "vx11", 4000), 4000),
            "Datei " + nameText(folder.file("vx11.hlp")) + " nicht gefunden !");
}

TEST_F(HelpFolder, ShowHelpByMode) {
  struct Case {
    const char* name;
    int n;
    HelpMode mode;
    std::size_t boxes;
    bool drawn;
  };
  for (const Case& k : {Case{"text and picture", 4000, HelpMode::TextAndPicture, 1, true},
                        Case{"text only", 4000, HelpMode::TextOnly, 1, false},
                        Case{"picture only, current number", 0, HelpMode::PictureOnly, 0, true},
                        Case{"picture NULL is not drawn", 3999, HelpMode::PictureOnly, 0, false},
                        Case{"missing picture file", 1000, HelpMode::PictureOnly, 1, false}}) {
    SCOPED_TRACE(k.name);
    ui.shown.clear();
    canvas.calls.clear();
    cancelled = true;
    showHelp(services, settings, k.n, k.mode);
    EXPECT_EQ(ui.shown.size(), k.boxes);
    EXPECT_FALSE(cancelled);
    const bool cleared = !canvas.calls.empty();
    EXPECT_EQ(cleared, k.mode != HelpMode::TextOnly);
    if (cleared) {
      EXPECT_EQ(canvas.calls[1], "world 120 160");
    }
    EXPECT_EQ(canvas.calls.size() > 2, k.drawn);
  }
  ui.shown.clear();
  showHelp(services, settings, 4000, HelpMode::TextOnly);
  EXPECT_EQ(ui.shown[0], "HILFETEXT Nr.4000|Erste Zeile Zweite Zeile Dritte Zeile   ");
}

TEST_F(HelpFolder, TooltipsByLevel) {
  const FormatSettings format;
  EXPECT_EQ(helpText(format, settings, 0, 4010), "Eins  Drei Vier F\xC3\xBCnf");
  EXPECT_EQ(helpText(format, settings, 4000, 0), "Erste Zeile Zweite Zeile Dritte Zeile  ");
  EXPECT_EQ(helpText(format, settings, 0, 4100), "");

  struct Case {
    int level;
    bool tooltips;
    int preset;
  };
  for (const Case& k : {Case{0, false, 4}, Case{1, true, 4}, Case{2, true, 1}}) {
    SCOPED_TRACE(k.level);
    settings.level = k.level;
    EXPECT_EQ(!labelTooltip(format, settings, 4000).empty(), k.tooltips);
    EXPECT_EQ(quickViewAfterCalculation(k.level), k.tooltips);
    EXPECT_EQ(messageDialogPreset(k.level, 3), k.preset);
  }
}

TEST(HelpSettings, FromTheConfiguration) {
  Configuration config;
  config.plt_folder = "/opt/bilder";
  config.help_level = 2;
  const HelpSettings s = helpSettingsOf(config, ProgramIdentity{});
  EXPECT_EQ(s.folder, "/opt/bilder");
  EXPECT_EQ(s.lower_name, "vx11");
  EXPECT_EQ(s.level, 2);
}

}  // namespace
}  // namespace vx11
