#include "tests/cad/cad_fixture.h"

#include "tests/support/golden.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

namespace fs = std::filesystem;

fs::path scratchFolder(const std::string& name) {
  return test::emptied_folder(fs::path(VX11_BUILD_DIR) / "test_cad_scratch" / name);
}

fs::path exchangeFolder() {
  const fs::path p = fs::path(VX11_BUILD_DIR) / "test_cad_exchange";
  fs::create_directories(p);
  return p;
}

void expectGolden(const std::string& name, const std::string& text) {
  const fs::path p = fs::path(VX11_TEST_DIR) / "cad" / "golden" / name;
  test::expect_golden_file(p, text, "output of " + name);
}

std::tm CadWorld::fixedTime() {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 9;
  t.tm_hour = 8;
  t.tm_min = 11;
  t.tm_sec = 7;
  return t;
}

std::string CadWorld::displayList() const {
  std::string all;
  for (std::size_t i = 0; i < list.size(); ++i) {
    all += list.record(i);
    all += '\n';
  }
  return all;
}

void drawSample(DrawingOutput& out) {
  out.DrawingHeader(0, 0, 297, 210);
  out.BeginBlocks();
  out.BeginBlock("MARK");
  out.SetPen(2);
  out.DrawLine(-2, 0, 2, 0);
  out.DrawCircle(0, 0, 1.5L);
  out.EndBlock();
  out.EndBlocks();
  out.BeginEntities();
  out.SetPen(4);
  out.DrawLine(10, 10, 120.5L, -0.5L);
  out.DrawCircle(50, 60, 12.5L);
  out.DrawArc(80, 60, 30, 150, 10);
  out.DrawArc(110, 60, 0, 360, 8);
  out.SetPen(17);
  out.SetCadTextStyle(2, 0, 3.5L, 2.5L);
  out.DrawText("Welle 35 h6", 20, 150);
  out.DrawSolid(200, 20, 220, 20, 200, 30, 220, 30);
  out.SetPen(1);
  out.BeginPolyline(0);
  out.PolylineVertex(150, 100, 0);
  out.PolylineVertex(170, 100, 3.14159265358979323846L / 2);
  out.PolylineVertex(180, 110, 0);
  out.EndPolyline();
  out.SetPen(0);
  out.InsertBlock("MARK", 250, 150, 0, 1, 1);
  out.InsertBlock("MARK", 260, 150, 30, 2, 2);
}

void drawTwelveMemberBlock(DrawingOutput& out) {
  out.DrawingHeader(0, 0, 100, 100);
  out.BeginBlocks();
  // Fifty members before, so that the twelve have long directory numbers in IGES.
  out.BeginBlock("FIFTY");
  for (int i = 0; i < 50; ++i) out.DrawLine(0, i, 1, i);
  out.EndBlock();
  out.BeginBlock("GRID12");
  for (int i = 0; i < 12; ++i) out.DrawLine(i, 0, i, 10);
  out.EndBlock();
  out.EndBlocks();
  out.BeginEntities();
  out.InsertBlock("FIFTY", 10, 10, 0, 1, 1);
  out.InsertBlock("GRID12", 50, 50, 0, 1, 1);
}

void drawDimensions(DrawingOutput& out) {
  out.DrawingHeader(0, 0, 200, 150);
  out.BeginBlocks();
  out.EndBlocks();
  out.BeginEntities();
  out.DrawRoundRect(120, 90, 20, 20, 5);
  out.DrawArrow(100, 100, 45);
  out.DimHorizontal(20, 20, 120, 20, 10, "100", "+0.1", "-0.1");
  out.DimHorizontal(20, 90, 25, 90, 100, "5", "", "-0.05");
  out.DimVertical(120, 20, 120, 90, 135, "70", "0.2", "0");
  out.DimLeader(60, 60, 30, "M6", "", "");
  out.DimRadius(70, 55, 45, 12);
}

}  // namespace vx11::test
