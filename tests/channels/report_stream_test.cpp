// The report stream: page layout, separator modes, the three line forms, questions and hand-overs.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "project/configuration.h"
#include "report/report_stream.h"
#include "base/text.h"
#include "tests/support/files.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

// Answers questions from a script and records every question and dialog.
class ScriptedInteraction : public BatchInteraction {
 public:
  Answer ask_yes_no_cancel(const std::string&, const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items, int preset) override {
    choices.push_back(caption + "|" + std::to_string(items.size()) + "|" + std::to_string(preset));
    return choice;
  }
  std::optional<std::string> save_file(const std::string&, const std::string&, const std::string& name,
                                       const std::string& filter) override {
    dialogs.push_back(name + "|" + filter);
    return saved;
  }
  std::deque<Answer> answers;
  std::vector<std::string> questions, choices, dialogs;
  std::optional<int> choice;
  std::optional<std::string> saved;
};

class FakeStarter : public ProcessStarter {
 public:
  bool exists(const std::string& program) override { return program != "missing"; }
  bool start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return true;
  }
  std::vector<std::vector<std::string>> started;
};

class FakePrinter : public TextPrinter {
 public:
  void print(const std::string& path) override {
    printed.push_back(test::read_file(path));
  }
  std::vector<std::string> printed;
};

using test::read_file;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

int count(const std::string& text, std::string_view piece) {
  int n = 0;
  for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

class Stream : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = (fs::temp_directory_path() / ("vx11_channels_" + std::to_string(::getpid()))).string() + "/";
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    config_.temp_folder = dir_;
    config_.html_browser = "firefox";
    ui_.echo = false;
    source_.owner_line = "Muster GmbH";
    source_.data_directory = "/home/u/daten";
    source_.file_name = "test";
    source_.info_text = {"Info 1", "Info 2", "Info 3"};
    source_.working_folder = dir_;
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 9;
    t.tm_hour = 9;
    t.tm_min = 5;
    source_.when = t;
    stream_.set_source(source_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Opens a channel into a string and writes a short page.
  std::string sample(int channel) {
    std::ostringstream out;
    EXPECT_TRUE(stream_.open(channel, "", &out));
    stream_.set_page_header("", "Zeile 1", "Zeile 2", "Zeile 3", "", 0);
    stream_.page_header(0, 1);
    stream_.heading("Abmessungen");
    stream_.value_line("Wellendurchmesser", "d", "mm", "35.000");
    stream_.pair_line("Streckgrenze", "Re", "MPa", "355", "235");
    stream_.value_line(std::string(40, 'L'), "sym", "unit", "12345678901234567890");
    stream_.page_end();
    stream_.close();
    return out.str();
  }

  // Writes n numbered body lines after a header.
  std::string paged(int channel, int n) {
    std::ostringstream out;
    EXPECT_TRUE(stream_.open(channel, "", &out));
    stream_.set_page_header("Titel", "", "", "", "", 0);
    stream_.page_header(0, 0);
    for (int i = 1; i <= n; ++i) stream_.body_line("Zeile " + std::to_string(i));
    stream_.close();
    return out.str();
  }

  std::string dir_;
  Configuration config_ = default_configuration("/start/");
  FormatSettings format_;
  ProgramIdentity identity_;
  ScriptedInteraction ui_;
  RecordingTextWindow window_;
  FakePrinter printer_;
  FakeStarter starter_;
  ReportOutlets outlets_{window_, printer_, starter_};
  int help_ = 0;
  bool cancelled_ = false;
  ReportSource source_;
  ReportStream stream_{{config_, format_, identity_, ui_, outlets_, help_, cancelled_}};
};

TEST_F(Stream, PlainPageWithFramedHeaderColumnsAndRules) {
  config_.text_print_mode = kRuleStars;
  EXPECT_EQ(sample(kChannelDosFile),
            "       **********************************************************************\r\n"
            "       *    VX11  -  Scheibenfederberechnung  V1.1                    Bl. 1 * \r\n"
            "       *    Muster GmbH                                    09.12.2026 9:05  * \r\n"
            "       *    /home/u/daten/test.vxk                                          * \r\n"
            "       **********************************************************************\r\n"
            "       *    Zeile 1                                                         * \r\n"
            "       *    Zeile 2                                                         * \r\n"
            "       *    Zeile 3                                                         * \r\n"
            "       **********************************************************************\r\n"
            "       *                                 Zeichen  Einheit1          2       *\r\n"
            "       **********************************************************************\r\n"
            "\r\n"
            "       Abmessungen\r\n"
            "       ----------------------------------------------------------------------\r\n"
            "       Wellendurchmesser                 d        mm          35.000           \r\n"
            "       ----------------------------------------------------------------------\r\n"
            "       Streckgrenze                      Re       MPa    355        235        \r\n"
            "       ----------------------------------------------------------------------\r\n"
            "       LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLsym      unit        12345678901\r\n"
            "       ----------------------------------------------------------------------\r\n");
}

TEST_F(Stream, LongLabelPushesTheRestAndIsCutAt72) {
  const auto lines = lines_of(sample(kChannelDosFile));
  const std::string& line = lines[18];
  ASSERT_EQ(line.size(), 7u + 72);
  EXPECT_EQ(line.substr(7 + 40, 3), "sym");   // column 35 pushed by the 6 extra characters
  EXPECT_EQ(line.substr(7 + 49, 4), "unit");  // and everything after it
  EXPECT_EQ(line.substr(7 + 61), "12345678901");
}

TEST_F(Stream, RuleLinesOfTheFourModes) {
  struct Case {
    int mode;
    std::string single, frame_top;
    char side;
  };
  const Case cases[] = {
      {kRuleStars, std::string(70, '-'), std::string(70, '*'), '*'},
      {kRuleBoxLines, std::string(70, '\xC4'), "\xC9" + std::string(68, '\xCD') + "\xBB", '\xBA'},
      {kRuleBlanks, std::string(70, ' '), std::string(70, ' '), ' '},
      {kRuleCompressed, "$!$", "$!$", ' '},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.mode);
    EXPECT_EQ(rule_line(Rule::Single, k.mode), k.single);
    EXPECT_EQ(rule_line(Rule::FrameTop, k.mode), k.frame_top);
    EXPECT_EQ(frame_side(k.mode), k.side);
  }
  EXPECT_EQ(rule_line(Rule::Double, kRuleBoxLines), std::string(70, '\xCD'));
  EXPECT_EQ(rule_line(Rule::FrameMiddle, kRuleBoxLines), "\xCC" + std::string(68, '\xCD') + "\xB9");
  EXPECT_EQ(rule_line(Rule::FrameBottom, kRuleBoxLines), "\xC8" + std::string(68, '\xCD') + "\xBC");
}

TEST(FramedLine, TextsThatWouldTouchKeepOneBlankBetweenThem) {
  struct Case {
    const char* name;
    std::string first;
    int column;
    std::string second;
    std::string want;  // columns 6 to 69
  };
  const std::string title = "VX11 V1.1  Scheibenfederberechnung nach DIN 6892 Methode B";  // ends in column 63
  const Case cases[] = {
      {"room enough", "Kurz", 64, "Bl. 1", "Kurz" + std::string(54, ' ') + "Bl. 1 "},
      {"touching moves right", title, 64, "Bl. 1", title + " Bl. 1"},
      {"overlapping moves right and cuts", title, 60, "Bl. 1/ 6", title.substr(0, 55) + " Bl. 1/ 6"},
      {"trailing blanks do not count", "Kurz   ", 10, "X", "Kurz X" + std::string(58, ' ')},
  };
  for (const Case& c : cases) {
    const std::string line = framed_line(kRuleStars, {{6, c.first}, {c.column, c.second}});
    ASSERT_EQ(line.size(), 71u) << c.name;
    EXPECT_EQ(line.substr(5, 64), c.want) << c.name;
    EXPECT_EQ(line[69], '*') << c.name;
  }
}

TEST_F(Stream, CompressedModeWritesNoRulesAndBreaksOnlyHalfFullPages) {
  config_.text_print_mode = kRuleCompressed;
  config_.lines_per_page = 30;
  std::ostringstream out;
  ASSERT_TRUE(stream_.open(kChannelScreen, "", &out));
  stream_.set_page_header("Titel", "", "", "", "", 0);
  stream_.page_header(0, 1);
  stream_.value_line("Wert", "x", "mm", "1");
  stream_.page_end();        // page not yet half full: nothing
  stream_.page_header(0, 1);  // nor a new header
  EXPECT_EQ(stream_.page_count(), 1);
  for (int i = 0; i < 30; ++i) stream_.body_line("Zeile");
  stream_.close();
  const std::string text = out.str();
  EXPECT_EQ(text.find("$!$"), std::string::npos);
  EXPECT_EQ(text.find('*'), std::string::npos);
  EXPECT_EQ(text.find('-'), std::string::npos);
  EXPECT_EQ(count(text, "Titel"), 2);      // the first page and one automatic break
  EXPECT_EQ(count(text, "\f\r\n"), 1);     // the automatic page end
  EXPECT_EQ(text.back(), '\f');            // compressed output ends with a form feed
}

TEST_F(Stream, CompressedModeExplicitPageEndOnAHalfFullPageStartsANewHeader) {
  config_.text_print_mode = kRuleCompressed;
  config_.lines_per_page = 20;
  std::ostringstream out;
  ASSERT_TRUE(stream_.open(kChannelScreen, "", &out));
  stream_.set_page_header("Titel", "", "", "", "", 0);
  stream_.page_header(0, 0);
  for (int i = 0; i < 5; ++i) stream_.body_line("Zeile");
  stream_.page_end();
  stream_.page_header(0, 0);
  EXPECT_EQ(stream_.page_count(), 2);
  EXPECT_EQ(count(out.str(), "Bl. 2"), 1);
}

TEST_F(Stream, AutomaticBreaksRepeatTheHeaderWithPageNumbers) {
  config_.lines_per_page = 20;
  const std::string text = paged(kChannelScreen, 30);
  EXPECT_EQ(count(text, "Bl. 1"), 1);
  EXPECT_EQ(count(text, "Bl. 2"), 1);
  EXPECT_EQ(count(text, "Bl. 3"), 1);
  EXPECT_EQ(count(text, "\f\r\n"), 2);
  EXPECT_EQ(lines_of(text.substr(0, text.find('\f'))).size(), 20u);
}

TEST_F(Stream, HeaderOnPageOneOnlyBreaksWithFormFeedLines) {
  config_.lines_per_page = 20;
  config_.header_mode = 2;
  const std::string text = paged(kChannelScreen, 30);
  EXPECT_EQ(text.find("Bl."), std::string::npos);
  EXPECT_EQ(count(text, "Titel"), 1);
  EXPECT_EQ(count(text, "\f\r\n"), 1);
  EXPECT_EQ(text.back(), '\f');  // the final form feed of "header page 1 only"
}

TEST_F(Stream, TotalPageCountInTheHeader) {
  std::ostringstream out;
  ASSERT_TRUE(stream_.open(kChannelDosFile, "", &out));
  stream_.set_page_header("Titel", "", "", "", "Zeile 4", 3);
  stream_.page_header(2, 0);
  stream_.close();
  const auto lines = lines_of(out.str());
  EXPECT_EQ(lines[1].substr(7 + 59, 8), "Bl. 2/ 3");
  EXPECT_EQ(lines.size(), 1u + 3 + 1 + 4 + 1);  // line 4 appears when it is set
}

TEST_F(Stream, HeaderSpaceLinesAndLongFolders) {
  config_.header_space_lines = 2;
  source_.data_directory = std::string(66, 'd');
  stream_.set_source(source_);
  const auto lines = lines_of(paged(kChannelDosFile, 0));
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[5].substr(7 + 5, 9), "test.vxk ");  // too long with its folder: the name alone
}

TEST_F(Stream, DateCodeOfTheHeader) {
  format_.date_code = 4;  // set by the dialog, not yet saved
  EXPECT_NE(paged(kChannelDosFile, 0).find("09/12/2026"), std::string::npos);
  std::ostringstream file;
  config_.date_code = 4;
  write_configuration(file, config_, identity_);
  std::istringstream in(file.str());
  Configuration back = default_configuration("/start/");
  read_configuration(in, back, ScreenMetrics{}, "/start/");
  apply_format_settings(back, format_);
  EXPECT_EQ(format_.date_code, 1);
  EXPECT_NE(paged(kChannelDosFile, 0).find("09.12.2026"), std::string::npos);
}

TEST_F(Stream, LinesPerPageFromTheConfigurationFile) {
  struct Case {
    const char* value;
    int form_feeds;
  };
  for (const Case k : {Case{"4", 1}, Case{"5", 20}}) {
    SCOPED_TRACE(k.value);
    std::ostringstream file;
    write_configuration(file, config_, identity_);
    std::string text = file.str();
    const std::string label = "Zeilen pro Seite f\x81r Drucker\r\n66\r\n";
    text.replace(text.find(label), label.size(), "Zeilen pro Seite f\x81r Drucker\r\n" + std::string(k.value) + "\r\n");
    std::istringstream in(text);
    read_configuration(in, config_, ScreenMetrics{}, "/start/");
    config_.header_mode = 2;
    EXPECT_EQ(count(paged(kChannelScreen, 100), "\f\r\n"), k.form_feeds);
  }
}

TEST_F(Stream, HtmlTableStartsWithTheHeadsRowForAPairLine) {
  struct Case {
    const char* name;
    bool pair_first;
    std::string expected_start;
  };
  const Case cases[] = {
      {"pair line", true,
       "<TABLE BORDER = \"2\" WIDTH= \"100%\">\r\n"
       "<TR><TD><CENTER></CENTER></TD><TD>Zeichen</TD><TD>Einheit</TD><TD>Welle</TD><TD>Nabe</TD></TR>\r\n"
       "<TR><TD>Re</TD><TD>Re</TD><TD>N/mm\xC2\xB2</TD><TD>355</TD><TD>235</TD></TR>\r\n"},
      {"value line", false,
       "<TABLE BORDER = \"2\" WIDTH= \"100%\">\r\n"
       "<TR><TD>d</TD><TD>d</TD><TD>mm</TD><TD><DIV ALIGN=RIGHT>35</DIV></TD></TR>\r\n"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    std::ostringstream out;
    ASSERT_TRUE(stream_.open(kChannelHtml, "", &out));
    stream_.set_column_heads("", "Zeichen", "Einheit", "Welle", "Nabe");
    stream_.page_header(0, 1);
    if (k.pair_first) stream_.pair_line("Re", "Re", "N/mm\xFD", "355", "235");
    else stream_.value_line("d", "d", "mm", "35");
    stream_.body_line("Text");
    stream_.close();
    const std::string text = out.str();
    const auto at = text.find("<TABLE");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at, k.expected_start.size()), k.expected_start);
    EXPECT_NE(text.find("</TABLE>\r\n<br>Text\r\n</BODY>\r\n</HTML>\r\n"), std::string::npos);
    EXPECT_EQ(count(text, "<HTML>"), 1);
  }
}

TEST_F(Stream, HtmlTextLinesAndWrappedTexts) {
  std::ostringstream out;
  ASSERT_TRUE(stream_.open(kChannelHtml, "", &out));
  stream_.text_line("eins");
  stream_.wrapped_text(std::string(100, 'w'));
  stream_.close();
  EXPECT_NE(out.str().find("<TR><TD>eins</TD></TR>\r\n<TR><TD>" + std::string(100, 'w') + "</TD></TR>"),
            std::string::npos);
  std::ostringstream plain;
  ASSERT_TRUE(stream_.open(kChannelDosFile, "", &plain));
  stream_.wrapped_text(std::string(100, 'w'));
  stream_.wrapped_text(std::string(72, 'k'));
  stream_.close();
  EXPECT_EQ(plain.str(), "       " + std::string(64, 'w') + "\r\n       " + std::string(36, 'w') + "\r\n       " +
                             std::string(72, 'k') + "\r\n");
}

TEST_F(Stream, TabSeparatedOutputHasNoRulesFramesOrPageEnds) {
  for (int mode : {kRuleStars, kRuleBoxLines, kRuleBlanks, kRuleCompressed}) {
    SCOPED_TRACE(mode);
    config_.text_print_mode = mode;
    config_.lines_per_page = 5;
    std::ostringstream out;
    ASSERT_TRUE(stream_.open(kChannelBatchTabFile, "", &out));
    stream_.set_page_header("", "Zeile 1", "", "", "", 0);
    stream_.page_header(0, 1);
    stream_.heading("Abmessungen");
    stream_.rule(Rule::Double);
    stream_.value_line("Durchmesser", "d", "mm", "35.5");
    for (int i = 0; i < 10; ++i) stream_.pair_line("Re", "Re", "MPa", "355.5", "235");
    stream_.page_end();
    stream_.page_header(0, 1);
    stream_.close();
    const std::string text = out.str();
    EXPECT_EQ(text.find('\f'), std::string::npos);
    EXPECT_EQ(text.find('*'), std::string::npos);
    EXPECT_EQ(text.find("$!$"), std::string::npos);
    EXPECT_EQ(text.find(rule_line(Rule::Single, mode)), std::string::npos);
    EXPECT_EQ(text.find(rule_line(Rule::FrameTop, mode)), std::string::npos);
    // The stream path is a marked name: the converted copy shows it as the file system gives it.
    const std::string expected_start = "VX11  -  Scheibenfederberechnung V1.1\t09.12.2026\t9:05\r\n" +
                                       nameText(dir_ + "$$$1.txt") + "\r\nInfo 1\r\nInfo 2\r\nInfo 3\r\n \r\nAbmessungen\r\n"
                                       "Durchmesser\td\tmm\t35,5\r\nRe\tRe\tMPa\t355,5\t235\r\n";
    EXPECT_EQ(text.substr(0, expected_start.size()), expected_start);
  }
}

TEST_F(Stream, ChannelChoiceAndItsCancel) {
  config_.text_device_window = true;
  config_.text_device = 8;
  ui_.choice = 2;
  ui_.saved = dir_ + "x.txt";
  std::ostringstream out;
  EXPECT_TRUE(stream_.open(0, "", &out));
  EXPECT_EQ(stream_.channel(), kChannelFile);  // the third item
  EXPECT_EQ(ui_.choices.at(0), "Ausgabe auf ..|7|0");
  ui_.choice.reset();
  EXPECT_FALSE(stream_.open(0, "", &out));
  EXPECT_TRUE(cancelled_);
  EXPECT_EQ(help_, kHelpChannelChoice);
  cancelled_ = false;
  EXPECT_FALSE(stream_.open(kChannelChoiceOnly));
  EXPECT_FALSE(cancelled_);
}

TEST_F(Stream, TextPrinterAsksForPausesAndSendsTheSetUpFirst) {
  std::ofstream(dir_ + "TEXT.KVP", std::ios::binary) << "\x1B" "E";
  ui_.answers = {Answer::Yes, Answer::Yes, Answer::No};
  config_.lines_per_page = 20;
  config_.printer_port = 3;
  std::ostringstream out;
  ASSERT_TRUE(stream_.open(kChannelTextPrinter, "", &out));
  EXPECT_EQ(stream_.stream_path(), "/dev/lp2");
  EXPECT_EQ(help_, kHelpTextPrinter);
  stream_.set_page_header("Titel", "", "", "", "", 0);
  stream_.page_header(0, 0);
  for (int i = 0; i < 30; ++i) stream_.body_line("Zeile");
  stream_.close();
  const std::string text = out.str();
  EXPECT_EQ(text.substr(0, 2), "\x1B" "E");
  ASSERT_EQ(ui_.questions.size(), 3u);
  EXPECT_EQ(ui_.questions[0], "Pause nach jeder Seite ?");
  EXPECT_EQ(ui_.questions[2], "Blatt in Drucker einlegen.  Fortfahren ?");
  EXPECT_TRUE(cancelled_);  // No at the second sheet stops the printout
  EXPECT_EQ(count(text, "Titel"), 1);
  EXPECT_EQ(count(text, "\f"), 1);  // the page end, without line end
  EXPECT_EQ(count(text, "\f\r\n"), 0);
}

TEST_F(Stream, ChosenFileAsksBeforeOverwriting) {
  const std::string path = dir_ + "bericht.txt";
  std::ofstream(path) << "alt";
  ui_.saved = dir_ + "bericht";  // no extension: ".txt" is added
  ui_.answers = {Answer::No};
  EXPECT_FALSE(stream_.open(kChannelFile, "ausgabe"));
  EXPECT_TRUE(cancelled_);
  EXPECT_EQ(ui_.dialogs.at(0), "ausgabe.txt|*.txt");
  EXPECT_EQ(ui_.questions.at(0), nameText(path) + " existiert bereits.   \x81" "berschreiben ?");
  EXPECT_EQ(read_file(path), "alt");

  cancelled_ = false;
  ui_.saved = dir_ + "fehlt/bericht.txt";
  EXPECT_FALSE(stream_.open(kChannelFile, ""));
  EXPECT_TRUE(cancelled_);
  EXPECT_EQ(ui_.shown.back(), "Fehler : |Ung\x81ltiger Dateiname \"" + dir_ + "fehlt/bericht.txt\" !");
}

TEST_F(Stream, FileChannelMakesTheConvertedCopy) {
  config_.text_print_mode = kRuleBoxLines;
  ui_.saved = dir_ + "bericht.txt";
  ASSERT_TRUE(stream_.open(kChannelFile, ""));
  stream_.heading("Gr\x94\xE1" "e");
  stream_.close();
  EXPECT_EQ(read_file(dir_ + "bericht.txt"), "       Gr\x94\xE1" "e\r\n       " + std::string(70, '\xC4') + "\r\n");
  std::string box;
  for (int i = 0; i < 70; ++i) box += "\xE2\x94\x80";
  EXPECT_EQ(read_file(dir_ + "outwin.txt"), "       Gr\xC3\xB6\xC3\x9F" "e\n       " + box + "\n");
  EXPECT_EQ(ui_.shown.back(), "Meldung:|" + dir_ + "bericht.txt und Windows-Datei outwin.txt wurden angelegt.");
}

// A chosen file replaces an older one only when the printout is complete; a printout that stops
// early, or one that cannot be put in place, leaves the older file as it was.
TEST_F(Stream, ChosenFileAppearsOnlyWhenComplete) {
  const std::string path = dir_ + "bericht.txt";
  std::ofstream(path) << "alt";
  ui_.saved = path;
  ASSERT_TRUE(stream_.open(kChannelFile, ""));
  stream_.body_line("neu");
  EXPECT_EQ(read_file(path), "alt") << "nothing is written before the close";
  stream_.close();
  EXPECT_EQ(read_file(path), "       neu\r\n");

  std::ofstream(path, std::ios::trunc) << "alt";
  ASSERT_TRUE(stream_.open(kChannelFile, ""));
  stream_.body_line("abgebrochen");  // a printout that stops is never closed
  ASSERT_TRUE(stream_.open(kChannelFile, ""));
  fs::remove(path);
  fs::create_directories(path);  // the name cannot take the file any more
  stream_.body_line("neu");
  stream_.close();
  EXPECT_TRUE(cancelled_);
  EXPECT_NE(ui_.shown.back().find(path + " nicht geschrieben, eine vorhandene Datei bleibt unver\x84ndert"),
            std::string::npos)
      << ui_.shown.back();
  EXPECT_TRUE(fs::is_directory(path));
  for (const auto& e : fs::directory_iterator(dir_))
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST_F(Stream, ScreenChannelShowsTheWindowAndRemovesTheStreamFile) {
  ASSERT_TRUE(stream_.open(kChannelScreen, ""));
  EXPECT_EQ(stream_.stream_path(), dir_ + "$OUT1.TMP");
  stream_.body_line("Zeile");
  stream_.close();
  ASSERT_EQ(window_.shown.size(), 1u);
  EXPECT_EQ(window_.shown[0].converted_path, dir_ + "outwin.txt");
  EXPECT_EQ(window_.shown[0].stream_path, dir_ + "$OUT1.TMP");
  EXPECT_FALSE(fs::exists(dir_ + "$OUT1.TMP"));
  EXPECT_EQ(read_file(dir_ + "outwin.txt"), "       Zeile\n");
}

TEST_F(Stream, TemporaryOutFileTakesTheFirstFreeName) {
  fs::create_directories(dir_ + "$OUT1.TMP");  // cannot be created as a file
  ASSERT_TRUE(stream_.open(kChannelPrinter, ""));
  EXPECT_EQ(stream_.stream_path(), dir_ + "$OUT2.TMP");
  stream_.body_line("Zeile");
  stream_.close();
  ASSERT_EQ(printer_.printed.size(), 1u);
  EXPECT_EQ(printer_.printed[0], "       Zeile\r\n");
  EXPECT_FALSE(fs::exists(dir_ + "$OUT2.TMP"));
}

TEST_F(Stream, ProgramsStartWithTheFileAndMissingOnesAreReported) {
  config_.text_program = "kate --new-window";
  ASSERT_TRUE(stream_.open(kChannelTextProgram, ""));
  stream_.close();
  ASSERT_EQ(starter_.started.size(), 1u);
  EXPECT_EQ(starter_.started[0], (std::vector<std::string>{"kate", "--new-window", dir_ + "outwin.txt"}));

  ASSERT_TRUE(stream_.open(kChannelHtml, ""));
  EXPECT_EQ(stream_.stream_path(), dir_ + "vx11.htm");
  stream_.close();
  EXPECT_EQ(starter_.started[1], (std::vector<std::string>{"firefox", dir_ + "vx11.htm"}));

  config_.text_program = "missing";
  ASSERT_TRUE(stream_.open(kChannelTextProgram, ""));
  stream_.close();
  EXPECT_EQ(starter_.started.size(), 2u);
  EXPECT_EQ(ui_.shown.back(), "Fehler : |missing not found");
}

TEST_F(Stream, TxtCounterNamesTheTabFilesOfARun) {
  for (int run = 1; run <= 2; ++run) {
    ASSERT_TRUE(stream_.open(kChannelTabFile, ""));
    EXPECT_EQ(stream_.stream_path(), dir_ + "$$$" + std::to_string(run) + ".txt");
    stream_.value_line("d", "d", "mm", "35.5");
    stream_.close();
    EXPECT_EQ(stream_.txt_counter(), run);
    EXPECT_EQ(read_file(dir_ + "$$" + std::to_string(run) + ".txt"), "d\td\tmm\t35,5\n");
  }
  const std::string named = dir_ + "test.txt";
  ASSERT_TRUE(stream_.open(kChannelBatchTabFile, named));
  stream_.close();
  EXPECT_EQ(stream_.stream_path(), dir_ + "$$$3.txt");
  EXPECT_TRUE(fs::exists(named));
  EXPECT_FALSE(fs::exists(dir_ + "$$$3.txt")) << "the batch channel keeps its text in memory";
}

TEST_F(Stream, WriteFailureIsReportedAndStopsTheStream) {
  std::ostringstream out;
  ASSERT_TRUE(stream_.open(kChannelDosFile, "", &out));
  out.setstate(std::ios::badbit);
  stream_.body_line("eins");
  stream_.body_line("zwei");
  stream_.close();
  EXPECT_TRUE(cancelled_);
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0], "Fehler : |Schreibfehler: " + dir_ + "OUTDOS.TXT");
}

TEST(PrinterPort, DeviceOfThePortNumber) {
  EXPECT_EQ(printer_port_device(1), "/dev/lp0");
  EXPECT_EQ(printer_port_device(4), "/dev/lp3");
}

}  // namespace
}  // namespace vx11
