#include "report/result_report_content.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/identity.h"
#include "worked_example.h"

namespace vx11 {
namespace {

const PrintLine* findLine(const std::vector<PrintLine>& lines, std::string_view label_start) {
  const auto it = std::find_if(lines.begin(), lines.end(),
                               [&](const PrintLine& l) { return l.label.rfind(label_start, 0) == 0; });
  return it == lines.end() ? nullptr : &*it;
}

class ReportContentTest : public ::testing::Test {
 protected:
  MessageList messages;
  ConnectionRecord rec = test::workedExample(messages);
  FormatSettings metric;
  std::vector<PrintLine> materialLines() { return resultReportBlocks(rec, metric).at(1).lines; }
};

TEST_F(ReportContentTest, FourPagesEachEndingThePage) {
  const auto blocks = resultReportBlocks(rec, metric);
  ASSERT_EQ(blocks.size(), 4u);
  for (const auto& b : blocks) EXPECT_TRUE(b.page_end);
  EXPECT_EQ(blocks[0].lines[1], headingLine("Scheibenfeder DIN 6888 - 5 x 6.5"));
  EXPECT_EQ(blocks[0].lines[4], valueLine("H\x94he min.", "h min", "mm", "6.464"));
  EXPECT_EQ(blocks[2].lines[0].label, "BERECHNUNG NACH DIN 6892 Methode B (Ausgabe 11/98)");
}

TEST_F(ReportContentTest, MaterialNamesRightAlignedInTwentyAfterNineBlanks) {
  rec.material[kShaft].name = "  Ein sehr langer Werkstoffname  ";
  const auto lines = materialLines();
  const PrintLine* names = findLine(lines, "Werkstoffname 1/2:");
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(names->label, "Werkstoffname 1/2:         Ein sehr langer Werk /           EN-GJL-300");
}

TEST_F(ReportContentTest, NumberLineFollowsTheShaftMaterialOnly) {
  struct Case {
    const char* name;
    const char* shaft_number;
    const char* hub_number;
    bool expected;
  };
  const Case cases[] = {
      {"both numbers", "1.0570", "0.6030", true},
      {"shaft number alone", "1.0570", "", true},
      {"hub number alone", "", "0.6030", false},
      {"blank shaft number", "   ", "0.6030", false},
  };
  for (const auto& c : cases) {
    rec.material[kShaft].number = c.shaft_number;
    rec.material[kHub].number = c.hub_number;
    const auto lines = materialLines();
    const PrintLine* number = findLine(lines, "Werkstoffnummer");
    EXPECT_EQ(number != nullptr, c.expected) << c.name;
    if (number) {
      EXPECT_EQ(number->second, c.hub_number) << c.name;
    }
  }
}

TEST_F(ReportContentTest, InchSystemShowsRoundingInInchesInBothColumns) {
  FormatSettings inch;
  inch.unit_system = 1;
  const auto lines = resultReportBlocks(rec, inch).at(1).lines;
  const PrintLine* r2 = findLine(lines, "45\xF8 Schr\x84gung");
  ASSERT_NE(r2, nullptr);
  EXPECT_EQ(*r2, pairLine("45\xF8 Schr\x84gung/Rundung an der Nut", "r2", "in", "  0.008", "  0.008"));
  const PrintLine* tol = findLine(lines, "Toleranz Schr");
  ASSERT_NE(tol, nullptr);
  EXPECT_EQ(tol->first, " -0.004");
  EXPECT_EQ(tol->second, tol->first);
}

TEST_F(ReportContentTest, SeriesLetterAndAsciiDegree) {
  rec.key_series = 2;
  const auto key_lines = resultReportBlocks(rec, metric)[0].lines;
  EXPECT_EQ(findLine(key_lines, "Reihe")->first, "B");
  FormatSettings ascii;
  ascii.ascii_mode = true;
  const auto material_lines = resultReportBlocks(rec, ascii)[1].lines;
  EXPECT_NE(findLine(material_lines, "45deg Schr\x84gung/Rundung an der Nut"), nullptr);
}

TEST_F(ReportContentTest, HeadersOfReportAndExcerpt) {
  const ProgramIdentity id;
  const auto h = resultReportHeader(rec, test::exampleInfoText(), id);
  EXPECT_EQ(h.title, "VX11 V1.1  Scheibenfederberechnung nach DIN 6892 Meth.B");
  EXPECT_EQ(h.lines[0], "Welle                                  Nr.: 11111111" + std::string(20, ' '));
  EXPECT_EQ(h.lines[0].size(), 72u);
  EXPECT_EQ(h.lines[1].substr(0, 4), "Nabe");
  EXPECT_EQ(h.lines[1].substr(39, 13), "Nr.: 22222222");
  EXPECT_EQ(h.lines[2], test::exampleInfoText()[0]);
  EXPECT_EQ(h.total_pages, 0);
  EXPECT_EQ(excerptHeader(rec, test::exampleInfoText(), id).title,
            "VX11 V1.1  Scheibenfederberechnung nach DIN 6892 Methode B");
}

TEST_F(ReportContentTest, ExcerptFitsAndSafeties) {
  const auto lines = excerptLines(rec, metric);
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[3], valueLine("Wellendurchmesser", "d1", "mm", "20 H7/h6"));
  EXPECT_EQ(lines[7].first, "  60");
  EXPECT_EQ(lines[13], pairLine("Sicherheit W/N  fL*pzul/pmax", "", "", "  2.36", "  0.93"));
  EXPECT_EQ(lines[15], valueLine("Sicherheit PF  fL*pzul/pmax", "", "", "  0.68"));
}

}  // namespace
}  // namespace vx11
