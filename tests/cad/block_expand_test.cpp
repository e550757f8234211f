// Screen blocks: the block files in the temporary folder, their expansion through the placement,
// nesting limits and damaged files.
#include <random>

#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

struct ScreenProbe {
  fs::path temp;
  CadWorld w;
  explicit ScreenProbe(const std::string& name) : temp(scratchFolder(name)), w(temp) {
    w.out.OpenOutput(kOutScreen);
    w.out.DrawingHeader(0, 0, 200, 100);
    w.list.clear();  // the records after the header are the ones of interest
  }
  std::vector<std::string> records(int code) const {
    std::vector<std::string> r;
    const std::string prefix = std::to_string(code) + ";";
    for (std::size_t i = 0; i < w.list.size(); ++i)
      if (w.list.record(i).starts_with(prefix)) r.emplace_back(w.list.record(i));
    return r;
  }
  void blockFile(const std::string& name, const std::string& text) { write_file(temp / ("$" + name + ".dx$"), text); }
  bool shown(const std::string& text) const {
    for (const auto& s : w.ui.shown)
      if (s.ends_with("|" + text)) return true;
    return false;
  }
};

std::string dxfLines(std::initializer_list<std::pair<int, const char*>> groups) {
  std::string s;
  for (const auto& [code, value] : groups) {
    std::string c = std::to_string(code);
    s += std::string(3 - c.size(), ' ') + c + "\r\n" + value + "\r\n";
  }
  return s;
}

const std::string kLine = dxfLines({{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "10"}, {21, "0"}});

TEST(ScreenBlocks, BlockFileHoldsTheEntitiesAndIsDeletedAtTheEnd) {
  ScreenProbe p("blocks_file");
  p.w.out.BeginBlocks();
  p.w.out.BeginBlock("B1");
  p.w.out.SetPen(3);
  p.w.out.DrawLine(0, 0, 10, 0);
  p.w.out.EndBlock();
  p.w.out.EndBlocks();
  EXPECT_TRUE(p.w.list.empty()) << "block elements do not reach the screen while recorded";
  EXPECT_EQ(read_file(p.temp / "$B1.dx$"),
            dxfLines({{0, "LINE"}, {8, "3"}, {10, "0.000000"}, {20, "0.000000"}, {11, "10.000000"}, {21, "0.000000"},
                      {0, "EOF"}}));
  p.w.out.BeginEntities();
  p.w.out.CloseOutput();
  EXPECT_FALSE(fs::exists(p.temp / "$B1.dx$"));
}

TEST(ScreenBlocks, NestedInsertsCombineTheirPlacements) {
  ScreenProbe p("blocks_nested");
  p.w.out.BeginBlocks();
  p.w.out.BeginBlock("INNER");
  p.w.out.DrawLine(0, 0, 10, 0);
  p.w.out.EndBlock();
  p.w.out.BeginBlock("OUTER");
  p.w.out.InsertBlock("INNER", 10, 0, 90, 1, 1);
  p.w.out.EndBlock();
  p.w.out.EndBlocks();
  p.w.out.BeginEntities();
  p.w.list.clear();
  p.w.out.InsertBlock("OUTER", 100, 50, 0, 2, 2);
  // INNER at (10, 0) of OUTER is (120, 50); turned by 90 and doubled, its line runs up 20.
  EXPECT_EQ(p.records(4), (std::vector<std::string>{"4;120;50;120;70"}));
  EXPECT_FALSE(p.w.cancelled);
}

TEST(ScreenBlocks, FifthLevelStopsTheDrawingWithoutEndingTheProgram) {
  ScreenProbe p("blocks_depth");
  p.w.out.BeginBlocks();
  const char* names[] = {"L1", "L2", "L3", "L4", "L5"};
  for (int i = 4; i >= 0; --i) {
    p.w.out.BeginBlock(names[i]);
    p.w.out.DrawLine(0, 0, 1, 0);
    if (i < 4) p.w.out.InsertBlock(names[i + 1], 1, 0, 0, 1, 1);
    p.w.out.EndBlock();
  }
  p.w.out.EndBlocks();
  p.w.out.BeginEntities();
  p.w.list.clear();
  p.w.out.InsertBlock("L2", 0, 0, 0, 1, 1);  // four levels are fine
  EXPECT_FALSE(p.w.cancelled);
  EXPECT_EQ(p.records(4).size(), 4u);
  p.w.list.clear();
  p.w.out.InsertBlock("L1", 0, 0, 0, 1, 1);
  EXPECT_TRUE(p.w.cancelled);
  EXPECT_TRUE(p.shown("error blockno.5"));
  EXPECT_EQ(p.records(4).size(), 4u) << "the drawing so far stays";
  p.w.out.DrawLine(0, 0, 5, 5);
  EXPECT_EQ(p.records(4).size(), 4u) << "later steps do nothing";
  p.w.out.CloseOutput();
}

TEST(ScreenBlocks, SelfInsertingBlockEndsAtTheDepthLimit) {
  ScreenProbe p("blocks_self");
  p.blockFile("SELF", kLine + dxfLines({{0, "INSERT"}, {2, "SELF"}, {8, "0"}, {10, "0"}, {20, "1"}, {0, "EOF"}}));
  p.w.out.InsertBlock("SELF", 0, 0, 0, 1, 1);
  EXPECT_TRUE(p.shown("error blockno.5"));
  EXPECT_EQ(p.records(4).size(), 4u);
}

TEST(ScreenBlocks, DamagedBlockFilesKeepTheDrawingSoFar) {
  std::string garbage(10 * 1024 * 1024, '\0');
  std::mt19937 rng(6888);
  for (auto& c : garbage) c = static_cast<char>(rng() % 256);
  const std::string polyline = dxfLines({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {0, "VERTEX"}, {8, "0"}, {10, "0"},
                                         {20, "0"}, {0, "VERTEX"}, {8, "0"}, {10, "5"}, {20, "5"}});
  // One complete line, then an entity whose groups are damaged: the entity in progress is dropped.
  const std::string next = kLine + dxfLines({{0, "LINE"}});
  struct Case {
    const char* name;
    std::string text;
    std::size_t lines;
  } cases[] = {
      {"cut in the middle of a group", next + " 10\r\n", 1},
      {"group code that is no number", next + "ten\r\n5\r\n", 1},
      {"coordinate that is no number", kLine + dxfLines({{0, "LINE"}, {10, "x"}}), 1},
      {"polyline without SEQEND", kLine + polyline + kLine + dxfLines({{0, "EOF"}}), 1},
      {"polyline up to the end of the file", kLine + polyline, 1},
      {"vertex outside a polyline", kLine + dxfLines({{0, "VERTEX"}, {10, "1"}, {0, "EOF"}}), 1},
      {"no EOF", kLine + kLine, 1},
      {"ten megabytes of garbage", next + garbage, 1},
      {"garbage with long lines", next + std::string(100000, 'x') + "\r\n", 1},
      {"garbage only", garbage, 0},
  };
  for (const auto& c : cases) {
    ScreenProbe p("blocks_damaged");
    p.blockFile("BAD", c.text);
    p.w.out.InsertBlock("BAD", 0, 0, 0, 1, 1);
    EXPECT_TRUE(p.shown("Error in DXF File")) << c.name;
    EXPECT_EQ(p.records(4).size(), c.lines) << c.name;
    EXPECT_FALSE(p.w.cancelled) << c.name;
  }
}

TEST(ScreenBlocks, EntitiesOfABlockFileAreDrawnThroughThePlacement) {
  ScreenProbe p("blocks_entities");
  p.blockFile("ALL",
              dxfLines({{0, "CIRCLE"}, {8, "3"}, {10, "1"}, {20, "0"}, {40, "2"},                                  //
                        {0, "ARC"}, {8, "3"}, {10, "0"}, {20, "0"}, {40, "1"}, {50, "0"}, {51, "90"},                //
                        {0, "TEXT"}, {8, "0"}, {10, "1"}, {20, "1"}, {40, "3.5"}, {1, "Nabe"}, {41, "1"}, {50, "0"}, //
                        {0, "SOLID"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}, {12, "0"}, {22, "1"},  //
                        {13, "1"}, {23, "1"},                                                                      //
                        {0, "POLYLINE"}, {8, "0"}, {66, "1"}, {70, "1"},                                           //
                        {0, "VERTEX"}, {8, "0"}, {10, "0"}, {20, "0"}, {42, "1"},                                   //
                        {0, "VERTEX"}, {8, "0"}, {10, "2"}, {20, "0"},                                              //
                        {0, "VERTEX"}, {8, "0"}, {10, "2"}, {20, "2"},                                              //
                        {0, "SEQEND"}, {8, "0"}, {0, "EOF"}}));
  p.w.out.InsertBlock("ALL", 10, 20, 90, 2, 2);
  EXPECT_FALSE(p.shown("Error in DXF File"));
  EXPECT_EQ(p.records(3), (std::vector<std::string>{"3;10;22;4"}));
  EXPECT_EQ(p.records(6), (std::vector<std::string>{"6;8;22;Nabe"}));
  EXPECT_EQ(p.records(7), (std::vector<std::string>{"7;10;20;10;22;8;22;8;20"}));
  // The quarter arc turned by 90 degrees; the bulge 1 segment is a half circle from (10, 20) to (10, 24).
  const auto arcs = p.records(5);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[0], "5;8;18;12;22;10;22;8;20");
  EXPECT_EQ(p.records(4), (std::vector<std::string>{"4;10;24;6;24", "4;6;24;10;20"}));
  // Layer "3" is pen 3: exchange colour 2, colour index 14.
  EXPECT_EQ(p.records(8).front(), "8;14");
}

TEST(ScreenBlocks, UnusableTemporaryFolderGivesUpTheBlockOnly) {
  ScreenProbe p("blocks_temp");
  p.w.cad.temp_folder = (p.temp / "missing").string();
  p.w.out.BeginBlocks();
  p.w.out.BeginBlock("B1");
  EXPECT_TRUE(p.w.cancelled);
  EXPECT_TRUE(p.shown("Invalid temp directory"));
  p.w.out.DrawLine(0, 0, 1, 1);
  p.w.out.EndBlock();
  EXPECT_FALSE(p.w.cancelled) << "the next block may succeed";
  p.w.out.EndBlocks();
  p.w.out.BeginEntities();
  p.w.out.DrawLine(0, 0, 1, 1);
  EXPECT_EQ(p.records(4).size(), 1u);
}

TEST(ScreenBlocks, LogoBlocksAreInsertedWhenTheirFilesExist) {
  ScreenProbe p("blocks_logo");
  p.blockFile("LOGO_2", kLine + dxfLines({{0, "EOF"}}));
  p.w.out.BeginEntities();
  // At (0.91 W, 0.01 H) with scales W/480 and H/360 of the 200 by 100 frame.
  const auto lines = p.records(4);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "4;182;1;186.16667;1");
}

}  // namespace
}  // namespace vx11::test
