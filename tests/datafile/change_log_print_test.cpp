// The change-log printout through the report stream.
#include <gtest/gtest.h>

#include <sstream>

#include "docu/change_log_print.h"
#include "project/configuration.h"
#include "project/session.h"
#include "tests/datafile/sample_inputs.h"

namespace vx11 {
namespace {

class NoPrinter : public TextPrinter {
 public:
  void print(const std::string&) override {}
};

class ChangeLogPrintout : public ::testing::Test {
 protected:
  void SetUp() override {
    config.text_print_mode = kRuleStars;
    doc = test::full_inputs().doc;
    doc.change_count = 2;
  }
  // The printout's lines after the framed page header, without the seven-blank margin.
  std::vector<std::string> body(int style) {
    std::ostringstream out;
    EXPECT_TRUE(stream.open(kChannelDosFile, "", &out));
    write_change_log(stream, doc, id, style);
    stream.close();
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line.size() >= 7 ? line.substr(7) : line);
    }
    header = std::vector<std::string>(lines.begin(), lines.begin() + 10);
    return std::vector<std::string>(lines.begin() + 10, lines.end());
  }

  Configuration config = default_configuration("/start/");
  FormatSettings format;
  ProgramIdentity id;
  ScriptedInteraction ui;
  RecordingTextWindow window;
  NoPrinter printer;
  SpawnProcessStarter starter;
  ReportOutlets outlets{window, printer, starter};
  int help = 0;
  bool cancelled = false;
  ReportStream stream{{config, format, id, ui, outlets, help, cancelled}};
  Documentation doc;
  std::vector<std::string> header;
};

TEST_F(ChangeLogPrintout, ListsTheEntriesBelowTheCreationLine) {
  const auto lines = body(0);
  EXPECT_NE(header.at(1).find("VX11  -  Scheibenfederberechnung V1.1"), std::string::npos);
  EXPECT_NE(header.at(5).find("\x8E" "nderungsprotokoll"), std::string::npos);
  EXPECT_NE(header.at(6).find(doc.info_text[0]), std::string::npos);
  EXPECT_NE(header.at(8).find(doc.info_text[2]), std::string::npos);
  const std::vector<std::string> expected = {
      "",
      "Erstellungsdatum: 02.03.2024     Erstellt von: M\x81ller",
      "",
      "Ersatz f\x81r: 4711-0815-000  ",
      "",
      "Index   Datum        Bearb.   \x8E" "nderung            ",
      std::string(70, '='),
      "  a     10.04.2024   mk0      \x8E" "nderung Nr. 1      ",
      " Zeile eins der \x8E" "nderung 1",
      " Zeile zwei: Ma\xE1" "e gepr\x81" "ft",
      " ",
      " Nach einer Leerzeile.",
      std::string(70, '-'),
      "  b     11.04.2024   mk1      \x8E" "nderung Nr. 2      ",
      " Zeile eins der \x8E" "nderung 2",
      " Zeile zwei: Ma\xE1" "e gepr\x81" "ft",
      std::string(70, '-'),
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(ChangeLogPrintout, NumbersInStyleOneAndShowsOneLessAfterDelete) {
  doc.change_count = 12;
  doc.title.replaces.clear();
  doc.title.replaced_by = "4711-0815-003";
  auto lines = body(1);
  EXPECT_EQ(lines.at(3), "Ersetzt durch: 4711-0815-003  ");
  int entries = 0;
  for (const auto& l : lines)
    if (l.starts_with("  ") && l.find(".04.2024") != std::string::npos) ++entries;
  EXPECT_EQ(entries, 12);
  EXPECT_TRUE(std::find(lines.begin(), lines.end(),
                        "  12     11.04.2024   mk11     \x8E" "nderung Nr. 12     ") != lines.end());
  --doc.change_count;
  lines = body(1);
  entries = 0;
  for (const auto& l : lines)
    if (l.starts_with("  ") && l.find(".04.2024") != std::string::npos) ++entries;
  EXPECT_EQ(entries, 11);
}

TEST_F(ChangeLogPrintout, ShowGoesToTheScreenNamedAfterTheInput) {
  config.temp_folder = ::testing::TempDir();
  Session session;
  session.current_file = "welle";
  ReportChangeLogPrinter print_out(stream, id, config, session.current_file);
  print_out.print(doc, true);
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(stream.channel(), kChannelScreen);
  ASSERT_EQ(window.shown.size(), 1u);
}

}  // namespace
}  // namespace vx11
