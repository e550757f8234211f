// Records, directory entries and block entities of the IGES writer.
#include <sstream>

#include "cad/iges_writer.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

struct IgesProbe {
  CadSettings cad;
  FormatSettings format;
  MessageList messages;
  std::ostringstream text;
  std::stringstream scratch;
  IgesWriter iges{text, scratch, cad, format, messages};
  IgesProbe() {
    iges.start();
    iges.header("probe.igs", 100, CadWorld::fixedTime());
  }
  std::vector<std::string> records(char section) {
    std::vector<std::string> out;
    std::istringstream in(text.str());
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.size() == 80 && line[72] == section) out.push_back(line);
    }
    return out;
  }
  std::vector<std::string> entityTypes() {
    std::vector<std::string> types;
    const auto d = records('D');
    for (std::size_t i = 0; i < d.size(); i += 2) types.push_back(trim(d[i].substr(0, 8)));
    return types;
  }
  static std::string trim(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    return s;
  }
};

TEST(IgesWriter, EveryRecordHasEightyColumnsAndItsSequenceNumber) {
  IgesProbe p;
  p.iges.line(0, 0, 10, 10);
  p.iges.end();
  std::istringstream in(p.text.str());
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    ++n;
    ASSERT_EQ(line.back(), '\r');
    line.pop_back();
    EXPECT_EQ(line.size(), 80u) << line;
  }
  EXPECT_EQ(n, 2 + 3 + 2 + 1 + 1);
  const auto t = p.records('T');
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].substr(0, 32), "S0000002G0000003D0000002P0000001");
  const auto pr = p.records('P');
  ASSERT_EQ(pr.size(), 1u);
  EXPECT_EQ(pr[0].substr(64, 16), "       1P0000001");
}

TEST(IgesWriter, TwelveMembersSplitTheSubfigureIntoSeveralRecords) {
  IgesProbe p;
  // Fifty entities first, so that the members have directory numbers of three digits.
  for (int i = 0; i < 50; ++i) p.iges.line(0, i, 1, i);
  p.iges.blockStart("GRID12");
  for (int i = 0; i < 12; ++i) p.iges.line(i, 0, i, 10);
  p.iges.blockEnd();
  p.iges.insert("GRID12", 5, 5, 0);
  p.iges.end();
  std::vector<std::string> p308;
  for (const auto& r : p.records('P'))
    if (r.substr(65, 7) == "    125") p308.push_back(r);
  ASSERT_EQ(p308.size(), 2u);
  EXPECT_EQ(p308[0].substr(0, 65), "308,0,6HGRID12,12,101,103,105,107,109,111,113,115,117,119,121,   ");
  EXPECT_EQ(p308[1].substr(0, 5), "123; ");
  const auto d = p.records('D');
  EXPECT_EQ(d[0].substr(64, 8), "00000000");
  EXPECT_EQ(d[100].substr(64, 8), "00010000");  // members are subordinate
  EXPECT_EQ(d[124].substr(64, 8), "00000000");  // the definition is not
  const auto types = p.entityTypes();
  EXPECT_EQ((std::vector<std::string>(types.end() - 2, types.end())), (std::vector<std::string>{"308", "408"}));
}

TEST(IgesWriter, RotatedInsertAddsTransformationMatrix) {
  struct Case {
    const char* name;
    Real rotation;
    std::vector<std::string> types;
  } cases[] = {{"unrotated", 0, {"100", "308", "408"}}, {"rotated", 90, {"100", "308", "124", "408"}}};
  for (const auto& c : cases) {
    IgesProbe p;
    p.iges.blockStart("B");
    p.iges.circle(0, 0, 1);
    p.iges.blockEnd();
    p.iges.insert("B", 10, 20, c.rotation);
    p.iges.end();
    EXPECT_EQ(p.entityTypes(), c.types) << c.name;
    if (c.rotation != 0) {
      const auto d = p.records('D');
      EXPECT_EQ(IgesProbe::trim(d[6].substr(48, 8)), "5") << "the 408 points to the matrix";
      EXPECT_EQ(IgesProbe::trim(d[5].substr(32, 8)), "0") << "form of the matrix";
      const auto pr = p.records('P');
      EXPECT_EQ(IgesProbe::trim(pr[2].substr(0, 64)).find("124,0.000000,-1.000000,0.0,10.000,1.000000,0.000000,0.0,"),
                0u);
      EXPECT_EQ(pr[pr.size() - 2].substr(0, 16), "0.0,0.0,1.0,0.0;");
      EXPECT_EQ(pr.back().substr(0, 22), "408,3,0.0,0.0,0.0,1.0;");
    }
  }
}

TEST(IgesWriter, UnknownBlockGivesMessageAndNothing) {
  IgesProbe p;
  p.iges.insert("NONE", 1, 1, 0);
  EXPECT_EQ(p.messages.count(), 1);
  EXPECT_EQ(p.messages.entry(1), "Blockname NONE not found !");
  EXPECT_TRUE(p.records('D').empty());
}

TEST(IgesWriter, PensGiveColourAndLineFont) {
  struct Case {
    int pen;
    int colour;
    int font;
  } cases[] = {{0, 8, 1}, {1, 5, 4}, {2, 5, 2}, {4, 3, 1}, {5, 2, 1}, {16, 2, 1}, {20, 4, 1}, {7, 2, 1}};
  for (const auto& c : cases) {
    IgesProbe p;
    p.iges.pen(c.pen);
    EXPECT_EQ(p.iges.colour(), c.colour) << "pen " << c.pen;
    EXPECT_EQ(p.iges.lineFont(), c.font) << "pen " << c.pen;
  }
}

TEST(IgesWriter, HollerithStrings) {
  EXPECT_EQ(hollerith("FILE"), "4HFILE");
  EXPECT_EQ(hollerith(""), "0H");
  EXPECT_EQ(hollerith("a,b;c"), "5Ha,b;c");
}

}  // namespace
}  // namespace vx11::test
