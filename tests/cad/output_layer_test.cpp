// Routing of the drawing output layer: outputs, file choice, pens, arcs, tolerances, failures.
#include <streambuf>

#include "cad/plot_command.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  return lines;
}

std::vector<std::string> startingWith(const std::vector<std::string>& lines, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (l.starts_with(prefix)) out.push_back(l);
  return out;
}

TEST(DrawingOutput, ArcWithoutRadiusDrawsNothingAnywhere) {
  for (int code : {kOutDxf, kOutIges, kOutListing}) {
    CadWorld w(scratchFolder("layer_arc0"));
    const std::string empty = w.render(code, [](DrawingOutput& o) { o.BeginEntities(); });
    const std::string with_arc = w.render(code, [](DrawingOutput& o) {
      o.BeginEntities();
      o.DrawArc(1, 1, 0, 90, 0);
    });
    EXPECT_EQ(with_arc, empty) << "output " << code;
  }
  CadWorld w(scratchFolder("layer_arc0_screen"));
  w.out.OpenOutput(kOutScreen);
  const std::size_t before = w.list.size();
  w.out.DrawArc(1, 1, 0, 90, 0);
  EXPECT_EQ(w.list.size(), before);
}

TEST(DrawingOutput, FullTurnArcsAreCirclesInDxfAndListing) {
  CadWorld w(scratchFolder("layer_fullarc"));
  auto draw = [](DrawingOutput& o) {
    o.DrawArc(1, 2, 0, 360, 3);
    o.DrawArc(1, 2, 360, 0, 3);
    o.DrawArc(1, 2, 45, 45, 3);
  };
  const auto listing = linesOf(w.render(kOutListing, draw));
  EXPECT_EQ(startingWith(listing, "CIRCLE\t").size(), 3u);
  const std::string dxf = w.render(kOutDxf, draw);
  EXPECT_EQ(dxf.find("ARC"), std::string::npos);
}

TEST(DrawingOutput, OriginOffsetAndPenLayers) {
  CadWorld w(scratchFolder("layer_pens"));
  w.cad.layer_name[2] = "KONTUR";
  const auto lines = linesOf(w.render(kOutDxf, [](DrawingOutput& o) {
    o.SetOrigin(100, 50);
    o.SetPen(3);
    o.DrawLine(0, 0, 1, 1);
    o.SetPen(40);  // above 31: (40 mod 16) + 16
    o.DrawCircle(0, 0, 1);
  }));
  ASSERT_GE(lines.size(), 18u);
  EXPECT_EQ(lines[3], "KONTUR");
  EXPECT_EQ(lines[5], "100.000000");
  EXPECT_EQ(lines[7], "50.000000");
  EXPECT_EQ(lines[15], "24");
}

TEST(DrawingOutput, SaveDialogAnswersGetTheExtension) {
  struct Case {
    const char* name;
    std::optional<std::string> answer;
    const char* file;  // empty: cancelled
  } cases[] = {{"no extension", std::string("drawing"), "drawing.dxf"},
               {"own extension", std::string("drawing.cad"), "drawing.cad"},
               {"empty answer", std::string(""), ""},
               {"cancel", std::nullopt, ""}};
  for (const auto& c : cases) {
    const fs::path dir = scratchFolder("layer_save");
    CadWorld w(dir);
    w.out.batch = false;
    w.out.project_file = (dir / "welle.vxk").string();
    w.ui.files = {c.answer ? std::optional<std::string>((dir / *c.answer).string()) : std::nullopt};
    if (c.answer && c.answer->empty()) w.ui.files = {std::string("")};
    w.out.OpenOutput(kOutDxf);
    if (*c.file) {
      EXPECT_FALSE(w.cancelled) << c.name;
      EXPECT_EQ(w.out.outputFile(), (dir / c.file).string()) << c.name;
      w.out.CloseOutput();
      EXPECT_TRUE(fs::exists(dir / c.file)) << c.name;
    } else {
      EXPECT_TRUE(w.cancelled) << c.name;
      EXPECT_EQ(w.out.outputCode(), 0) << c.name;
    }
  }
}

TEST(DrawingOutput, BatchRunsTakeTheProjectNameAndCodeZeroAsks) {
  const fs::path dir = scratchFolder("layer_batch");
  CadWorld w(dir);
  w.out.project_file = (dir / "welle.vxk").string();
  w.ui.choices = {4};  // "TXT"
  w.out.OpenOutput(kOutAsk);
  EXPECT_EQ(w.out.outputCode(), kOutListing);
  w.out.DrawLine(0, 0, 1, 1);
  w.out.CloseOutput();
  EXPECT_EQ(read_file(dir / "welle.txt"), "LINE\t0.000000\t0.000000\t1.000000\t1.000000\r\nEOF\r\n");
  w.ui.choices.push_back(std::nullopt);
  w.out.OpenOutput(kOutAsk);
  EXPECT_TRUE(w.cancelled);
}

// A file that cannot be put in place is reported and counts as not written.
TEST(DrawingOutput, FailedWriteIsReportedAndCountsAsNotWritten) {
  const fs::path dir = scratchFolder("layer_failed");
  for (int code : {kOutDxf, kOutListing, kOutIges}) {
    CadWorld w(dir);
    w.out.batch = true;
    w.out.project_file = (dir / "fehlt" / "welle.vxk").string();  // no such folder
    w.out.OpenOutput(code);
    drawSample(w.out);
    w.out.CloseOutput();
    EXPECT_FALSE(w.out.fileWritten()) << code;
    EXPECT_TRUE(w.cancelled) << code;
    ASSERT_FALSE(w.ui.shown.empty()) << code;
    EXPECT_NE(w.ui.shown.back().find(" nicht geschrieben, eine vorhandene Datei bleibt unver\x84ndert: "),
              std::string::npos)
        << w.ui.shown.back();
  }
}

// The IGES parameter records wait in memory, and the file appears only when it is complete.
TEST(DrawingOutput, IgesFileAppearsWholeAndNeedsNoScratchFile) {
  const fs::path dir = scratchFolder("layer_iges");
  CadWorld w(dir);
  w.out.project_file = (dir / "welle.vxk").string();
  w.out.OpenOutput(kOutIges);
  drawSample(w.out);
  EXPECT_TRUE(fs::is_empty(dir)) << "nothing on disk before CloseOutput";
  w.out.CloseOutput();
  EXPECT_TRUE(w.out.fileWritten());
  EXPECT_FALSE(fs::exists(dir / "KORVIGES.$$$"));
  const auto lines = linesOf(read_file(dir / "welle.igs"));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().substr(0, 9), "S0000002G");
  EXPECT_EQ(lines.back().substr(72), "T0000001");
}

std::vector<std::string> toleranceTexts(const char* upper, const char* lower) {
  CadWorld w(scratchFolder("layer_tol"));
  const auto lines = linesOf(w.render(kOutListing, [&](DrawingOutput& o) {
    o.DimHorizontal(0, 0, 100, 0, 10, "100", upper, lower);
  }));
  std::vector<std::string> texts;
  for (const auto& l : startingWith(lines, "TEXT\t")) texts.push_back(l.substr(l.rfind('\t') + 1));
  return texts;
}

TEST(DrawingOutput, ToleranceTextsOfDimensions) {
  struct Case {
    const char* name;
    const char* upper;
    const char* lower;
    std::vector<std::string> texts;
  } cases[] = {{"symmetric", "0.1", "-0.1", {"100", "\xF1" "0.1"}},
               {"upper only", "0.2", "", {"100", "0.2"}},
               {"lower only", "", "-0.05", {"100", "-0.05"}},
               {"both, one zero", "0.2", "0", {"100", "+0.2"}},
               {"both signed", "+0.3", "0.1", {"100", "+0.3", "+0.1"}},
               {"none", "", "", {"100"}}};
  for (const auto& c : cases) EXPECT_EQ(toleranceTexts(c.upper, c.lower), c.texts) << c.name;
}

TEST(DrawingOutput, RoundRectangleIsLinesAndQuarterArcs) {
  CadWorld w(scratchFolder("layer_round"));
  const auto lines = linesOf(w.render(kOutListing, [](DrawingOutput& o) { o.DrawRoundRect(20, 20, 0, 0, 5); }));
  EXPECT_EQ(startingWith(lines, "LINE\t").size(), 4u);
  const auto arcs = startingWith(lines, "ARC\t");
  ASSERT_EQ(arcs.size(), 4u);
  EXPECT_EQ(arcs[0], "ARC\t15.000000\t5.000000\t5.000000\t270.000000\t0.000000");
}

// A stream buffer that takes a number of characters and then fails.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::size_t room) : room_(room) {}

 protected:
  int overflow(int c) override {
    if (room_ == 0) return traits_type::eof();
    --room_;
    return c;
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    if (static_cast<std::size_t>(n) > room_) return 0;
    room_ -= static_cast<std::size_t>(n);
    return n;
  }

 private:
  std::size_t room_;
};

TEST(DrawingOutput, WriteFailureBecomesMessageAndCancel) {
  CadWorld w(scratchFolder("layer_iofail"));
  FailingBuffer buffer(200);
  std::ostream out(&buffer);
  w.out.OpenOutputOn(kOutDxf, out, "full.dxf");
  drawSample(w.out);
  EXPECT_TRUE(w.cancelled);
  w.out.CloseOutput();
  EXPECT_EQ(w.ui.shown, (std::vector<std::string>{"Fehler : |I/O-Error 101"}));
}

TEST(DrawingOutput, PlotOutputStartsTheCommandLineWithItsResult) {
  struct Case {
    const char* name;
    int result;
    std::vector<std::string> shown;
  } cases[] = {{"started", kStarted, {}},
               {"out of memory", 0, {"Fehler : |out of memory !"}},
               {"not found", 2, {"Fehler : |file not found"}},
               {"other", 5, {"Fehler : |Exec error 5"}}};
  for (const auto& c : cases) {
    const fs::path dir = scratchFolder("layer_plot");
    CadWorld w(dir);
    w.starter.result = c.result;
    w.cad.plot_command_count = 2;
    w.cad.plot_command_lines[1] = "plotter zeichnr /CPS";
    w.ui.choices = {1};
    w.ui.texts = {std::nullopt};
    w.out.OpenOutput(kOutPlot);
    EXPECT_TRUE(w.cancelled) << "cancelling the line prompt ends the output";
    w.cancelled = false;
    w.ui.choices.push_back(1);
    w.ui.texts.push_back(std::string("plotter zeichnr /CPS /R"));
    w.out.OpenOutput(kOutPlot);
    ASSERT_FALSE(w.cancelled) << c.name;
    EXPECT_EQ(w.out.outputFile(), (dir / "zeichnr.dxf").string());
    drawSample(w.out);
    w.out.CloseOutput();
    EXPECT_EQ(w.starter.lines, (std::vector<std::string>{"plotter zeichnr /CPS /R"})) << c.name;
    EXPECT_EQ(w.cad.plot_command_lines[1], "plotter zeichnr /CPS /R") << "stored back";
    EXPECT_EQ(w.cad.plot_command_chosen, 2);
    EXPECT_EQ(w.ui.shown, c.shown) << c.name;
  }
}

// The plot file and a plot batch file lie in the shared temporary folder: a link planted there by
// someone else is replaced by the file, and the file it points to stays as it was.
TEST(DrawingOutput, PlotFilesReplacePlantedLinksInsteadOfFollowingThem) {
  const fs::path dir = scratchFolder("layer_plot_links");
  const fs::path victim = dir / "victim.txt";
  write_file(victim, "keep me");
  fs::create_symlink(victim, dir / "zeichnr.dxf");
  fs::create_symlink(victim, dir / "job.BAT");

  CadWorld w(dir);
  w.ui.choices = {0};
  w.ui.texts = {std::string("plotter zeichnr /CPS")};
  w.out.OpenOutput(kOutPlot);
  ASSERT_FALSE(w.cancelled);
  drawSample(w.out);
  w.out.CloseOutput();
  ASSERT_FALSE(w.cancelled);
  EXPECT_FALSE(fs::is_symlink(dir / "zeichnr.dxf"));
  EXPECT_NE(read_file(dir / "zeichnr.dxf").find("SECTION"), std::string::npos);

  const auto script = writeBatchFile(dir.string(), "job", "plotter zeichnr /CPS");
  ASSERT_TRUE(script);
  EXPECT_FALSE(fs::is_symlink(dir / "job.BAT"));
  EXPECT_EQ(read_file(dir / "job.BAT"), "#!/bin/sh\nplotter zeichnr /CPS\n");
  EXPECT_EQ(read_file(victim), "keep me");
}

}  // namespace
}  // namespace vx11::test
