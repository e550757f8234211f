// Every DXF and IGES file the CAD outputs write must load in independent readers.
#include "tests/cad/cad_fixture.h"
#include "tests/support/command_run.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

CommandRun run(const std::string& command) { return test::run_command(command + " 2>&1"); }

// The sample drawings in every file output, written into one folder.
// Each test writes into a folder of its own: ctest runs the two reader tests side by side.
fs::path writeAllSamples() {
  const fs::path dir =
      scratchFolder(std::string("readers_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  struct Sample {
    const char* name;
    void (*draw)(DrawingOutput&);
  };
  const Sample samples[] = {{"sample", drawSample}, {"dimensions", drawDimensions}, {"twelve", drawTwelveMemberBlock}};
  for (const auto& s : samples) {
    for (int code : {kOutDxf, kOutIges}) {
      CadWorld w(dir);
      const std::string file = std::string(s.name) + (code == kOutDxf ? ".dxf" : ".igs");
      write_file(dir / file, w.render(code, s.draw, file));
      EXPECT_FALSE(w.cancelled) << file;
    }
  }
  // The plot file goes to the temporary folder under its fixed name.
  CadWorld plot(dir);
  plot.cad.print_frame = true;  // its frame lines must land in the entities section
  plot.ui.texts = {std::string("zeichnr-probe")};
  plot.out.OpenOutput(kOutPlot);
  drawSample(plot.out);
  plot.out.CloseOutput();
  EXPECT_TRUE(fs::exists(dir / "zeichnr.dxf"));
  return dir;
}

std::string filesWith(const fs::path& dir, const std::string& ext) {
  std::string list;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().extension() == ext) list += " '" + e.path().string() + "'";
  for (const auto& e : fs::directory_iterator(exchangeFolder()))
    if (e.path().extension() == ext) list += " '" + e.path().string() + "'";
  return list;
}

TEST(IndependentReaders, EveryDxfLoadsInEzdxfWithoutAuditErrors) {
  const fs::path dir = writeAllSamples();
  // Debian's python3 carries the Debian module; a python3 first on PATH may not.
  const std::string python = fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
  const CommandRun r = run(python + " '" + (fs::path(VX11_TEST_DIR) / "cad" / "check_dxf.py").string() + "'" +
                    filesWith(dir, ".dxf"));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("zeichnr.dxf: ok"), std::string::npos) << r.output;
}

TEST(IndependentReaders, EveryIgesFileLoadsAndTransfersInOpenCascade) {
#ifndef VX11_IGES_CHECK
  GTEST_SKIP() << "OpenCASCADE's IGES reader is not installed (scripts/setup.sh installs it)";
#else
  const fs::path dir = writeAllSamples();
  const CommandRun r = run(std::string("'") + VX11_IGES_CHECK + "'" + filesWith(dir, ".igs"));
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_NE(r.output.find("twelve.igs: ok"), std::string::npos) << r.output;
#endif
}

}  // namespace
}  // namespace vx11::test
