// Group-code lines of the DXF writer and the records of the text listing.
#include <sstream>

#include "cad/cad_numbers.h"
#include "cad/dxf_writer.h"
#include "cad/text_listing.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

struct DxfProbe {
  CadSettings cad;
  FormatSettings format;
  std::ostringstream text;
  DxfWriter dxf{text, cad, format};
  std::string lines() const {
    std::string s = text.str(), out;
    for (char c : s)
      if (c != '\r') out += c;
    return out;
  }
};

TEST(CadReal, FixedPointWithPointWhateverTheSettings) {
  struct Case {
    const char* name;
    Real x;
    int decimals;
    const char* text;
  } cases[] = {
      {"negative half", -0.5L, 6, "-0.500000"},
      {"twelve and a half", 12.5L, 6, "12.500000"},
      {"three decimals", 2.0L / 3, 3, "0.667"},
      {"no sign on a rounded zero", -0.0000001L, 6, "0.000000"},
      {"large", 123456.25L, 2, "123456.25"},
  };
  for (const auto& c : cases) EXPECT_EQ(cadReal(c.x, c.decimals), c.text) << c.name;
}

TEST(DxfWriter, EntitiesCarryLayerAndRightAlignedGroupCodes) {
  DxfProbe p;
  p.dxf.setLayer("4");
  p.dxf.line(-0.5L, 1, 2, 3);
  EXPECT_EQ(p.text.str(),
            "  0\r\nLINE\r\n  8\r\n4\r\n 10\r\n-0.500000\r\n 20\r\n1.000000\r\n 11\r\n2.000000\r\n 21\r\n3.000000\r\n");
}

TEST(DxfWriter, FullTurnArcsBecomeCircles) {
  struct Case {
    const char* name;
    Real a1, a2;
    bool circle;
  } cases[] = {{"0 to 360", 0, 360, true},  {"360 to 0", 360, 0, true}, {"equal angles", 45, 45, true},
               {"almost 360", 0, 359.999995L, true}, {"half turn", 0, 180, false}, {"-90 to 90", -90, 90, false}};
  for (const auto& c : cases) {
    DxfProbe p;
    p.dxf.arc(5, 6, c.a1, c.a2, 7);
    const std::string s = p.lines();
    if (c.circle) {
      EXPECT_EQ(s, "  0\nCIRCLE\n  8\n0\n 10\n5.000000\n 20\n6.000000\n 40\n7.000000\n") << c.name;
    } else {
      EXPECT_NE(s.find("ARC\n"), std::string::npos) << c.name;
      EXPECT_NE(s.find(" 51\n"), std::string::npos) << c.name;
    }
  }
}

TEST(DxfWriter, OptionalGroupsOfPolylines) {
  DxfProbe p;
  p.dxf.polylineStart(0);
  p.dxf.vertex(1, 2, 0);
  p.dxf.vertex(3, 4, 0.5L);
  p.dxf.polylineEnd();
  p.dxf.polylineStart(1);
  EXPECT_EQ(p.lines(),
            "  0\nPOLYLINE\n  8\n0\n 66\n1\n"
            "  0\nVERTEX\n  8\n0\n 10\n1.000000\n 20\n2.000000\n"
            "  0\nVERTEX\n  8\n0\n 10\n3.000000\n 20\n4.000000\n 42\n0.500000\n"
            "  0\nSEQEND\n  8\n0\n"
            "  0\nPOLYLINE\n  8\n0\n 66\n1\n 70\n1\n");
}

TEST(DxfWriter, StyleTableEndsWithEmptyValueAndUnpaddedZero) {
  DxfProbe p;
  p.cad.text_style = "txt8";
  p.dxf.tables(2);
  const std::string s = p.lines();
  EXPECT_NE(s.find("  3\nTXT8\n  4\n\n0\nENDTAB\n  0\nENDSEC\n"), std::string::npos);
  EXPECT_EQ(s.find("  2\nTABLES\n"), 12u);
}

TEST(DxfWriter, TableKindsAndLayerColours) {
  struct Case {
    const char* name;
    int kind;
    bool mono;
    const char* count;
    int layers;
  } cases[] = {{"named pens", 0, false, "6", 6}, {"numbered layers", 1, false, "17", 16},
               {"drawings", 2, false, "23", 22}, {"monochrome", 2, true, "23", 22}};
  for (const auto& c : cases) {
    DxfProbe p;
    p.cad.layer_monochrome = c.mono;
    p.dxf.tables(c.kind);
    const std::string s = p.lines();
    EXPECT_NE(s.find(std::string("  2\nLTYPE\n 70\n") + c.count + "\n"), std::string::npos) << c.name;
    int layers = 0, colour_not_one = 0;
    for (std::size_t at = s.find("  0\nLAYER\n"); at != std::string::npos; at = s.find("  0\nLAYER\n", at + 1)) {
      ++layers;
      const std::size_t colour = s.find(" 62\n", at) + 4;
      if (s.compare(colour, 2, "1\n") != 0) ++colour_not_one;
    }
    EXPECT_EQ(layers, c.layers) << c.name;
    EXPECT_EQ(colour_not_one == 0, c.mono) << c.name;
  }
  DxfProbe p;
  p.dxf.tables(2);
  EXPECT_NE(p.lines().find("  0\nLTYPE\n  2\nDASHDOT\n 70\n64\n  3\n--. --. --.-\n 72\n65\n 73\n4\n 40\n1.0\n 49\n0.5\n "
                           "49\n-0.25\n 49\n0.0\n 49\n-0.25\n"),
            std::string::npos);
  EXPECT_NE(p.lines().find("  0\nLAYER\n  2\n1\n 70\n0\n 62\n2\n  6\nDASHDOT\n"), std::string::npos);
}

TEST(DxfWriter, TextGroupsUseSignificantDigitsWithPointAndConvertedText) {
  DxfProbe p;
  p.format.decimal_separator = 2;
  p.cad.cad_text_mode = 3;
  p.dxf.text("Ma\xE1", 1, 2, CadTextStyle{2.5L, 0.75L, 90, 0});
  EXPECT_NE(p.lines().find(" 40\n2.500000\n  1\nMass\n  7\nSTANDARD\n 41\n0.75\n 50\n90\n 51\n0\n"), std::string::npos)
      << p.lines();
}

TEST(TextListing, TabSeparatedRecordsWithTheChosenDecimalSign) {
  CadSettings cad;
  FormatSettings format;
  cad.decimal_separator = 2;
  cad.decimals = 2;
  std::ostringstream text;
  TextListing l(text, cad, format);
  l.frame(0, 0, 297, 210);
  l.arc(1, 2, 0, 360, 3);
  l.blockStart("B1");
  l.insert("B1", 1.5L, 2, 0, 1, 1);
  l.text("A;B", -0.5L, 0);
  EXPECT_EQ(text.str(),
            "MINMAX\t0,00\t0,00\t297,00\t210,00\r\n"
            "CIRCLE\t1,00\t2,00\t3,00\r\n"
            "BLOCK\tB1\r\n"
            "INSERT\tB1\t1,50\t2,00\t0,00\t1,00\t1,00\r\n"
            "TEXT\t-0,50\t0,00\tA;B\r\n");
}

}  // namespace
}  // namespace vx11::test
