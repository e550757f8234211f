// The plot program: command lines, the formats of a drawing with every element, fitting, turning,
// damaged input, and the road from output code 4 of the drawing output layer to the plot file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "cad/plotter_drawing.h"
#include "cad/plotter_run.h"
#include "cad/plotter_sheet.h"
#include "cad/plotter_writers.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

// The sample drawing of the CAD tests as the plot output writes it.
fs::path writeSampleDxf(const fs::path& dir) {
  CadWorld w(dir);
  write_file(dir / "zeichnr.dxf", w.render(kOutPlot, drawSample, "zeichnr.dxf"));
  return dir / "zeichnr.dxf";
}

int plot(std::vector<std::string> words, std::string* err = nullptr) {
  std::ostringstream e;
  const int rc = runPlot(words, e);
  if (err) *err = e.str();
  return rc;
}

int shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

TEST(Zeichnr, HeaderExtentsLandInTheirOwnCorners) {
  // Each corner's y used to be written two places on: ymin into xmax, ymax past the extents.
  std::istringstream in(
      "0\r\nSECTION\r\n2\r\nHEADER\r\n9\r\n$EXTMIN\r\n10\r\n1.5\r\n20\r\n2.5\r\n"
      "9\r\n$EXTMAX\r\n10\r\n30\r\n20\r\n40\r\n0\r\nENDSEC\r\n"
      "0\r\nSECTION\r\n2\r\nTABLES\r\n0\r\nLAYER\r\n2\r\nKONTUR\r\n62\r\n3\r\n"
      "0\r\nENDSEC\r\n0\r\nEOF\r\n");
  std::string error;
  const auto d = readPlotDrawing(in, error);
  ASSERT_TRUE(d) << error;
  EXPECT_TRUE(d->has_extents);
  EXPECT_EQ(d->x1, 1.5L);
  EXPECT_EQ(d->y1, 2.5L);
  EXPECT_EQ(d->x2, 30.0L);
  EXPECT_EQ(d->y2, 40.0L);
  ASSERT_EQ(d->layers.size(), 1u);
  EXPECT_EQ(d->layers.at("KONTUR").colour, 3);
}

TEST(Zeichnr, CommandLineErrorsEndWithCodeTwoAndAMessage) {
  const fs::path dxf = writeSampleDxf(scratchFolder("zeichnr_args"));
  const std::string base = (dxf.parent_path() / "zeichnr").string();
  struct Case {
    const char* name;
    std::vector<std::string> words;
    const char* message;
  } cases[] = {{"unknown switch", {base, "/Q1"}, "unknown switch"},
               {"missing file", {base + "_nix", "/CPS"}, "file not found"},
               {"no file", {}, "no DXF file"},
               {"unknown format", {base, "/CXYZ"}, "unknown output format"},
               {"bad scale", {base, "/Mabc"}, "scale is no number"},
               {"not supported", {base, "/cart"}, "format not supported"}};
  for (const auto& c : cases) {
    std::string err;
    EXPECT_EQ(plot(c.words, &err), 2) << c.name;
    EXPECT_NE(err.find(c.message), std::string::npos) << c.name << ": " << err;
  }
  const auto args = parsePlotArguments({base, "/cps", "/d3", "/m0,5", "/x-3", "/Y4", "/b0.8", "/r", "/tTimes-Roman"});
  ASSERT_TRUE(args.options);
  EXPECT_EQ(args.options->format, PlotFormat::Ps);
  EXPECT_EQ(args.options->interface, PlotInterface::File);
  EXPECT_EQ(args.options->scale, 0.5L);
  EXPECT_EQ(args.options->x_offset, -3);
  EXPECT_TRUE(args.options->rotate);
  EXPECT_EQ(args.options->ps_font, "Times-Roman");
}

TEST(Zeichnr, EveryFormatOfTheSampleIsWellFormed) {
  const fs::path dir = scratchFolder("zeichnr_formats");
  writeSampleDxf(dir);
  const std::string base = (dir / "zeichnr").string();
  for (const char* code : {"PS", "HPL", "PLT", "PL2"}) {
    const std::string out = (dir / (std::string("plot.") + code)).string();
    std::string err;
    ASSERT_EQ(plot({base, std::string("/C") + code, "/D3", "/F" + out, "/M*"}, &err), 0) << code << err;
    std::string text = read_file(out);
    if (std::string(code) == "PS") {
      EXPECT_EQ(text.rfind("%!PS", 0), 0u);
      EXPECT_NE(text.find(" show "), std::string::npos);
      EXPECT_NE(text.find("fill"), std::string::npos);
      EXPECT_EQ(shell("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=nullpage '" + out + "'"), 0) << "ghostscript reads it";
      continue;
    }
    if (std::string(code) == "HPL") {
      ASSERT_EQ(text.rfind("\x1b" "E" "\x1b&l26A" "\x1b&l0O" "\x1b%0B", 0), 0u);
      EXPECT_NE(text.find("\x1b%0A\x1b" "E"), std::string::npos);
      text = text.substr(text.find("%0B") + 3);
      text = text.substr(0, text.find("\x1b%0A"));
    }
    if (text.back() == '\n') text.pop_back();
    // Labels end at ETX; every other command is two letters, numbers and a semicolon.
    const std::regex command("^(LB[^\\x03]*\\x03|[A-Z]{2}(-?[0-9.]+(,-?[0-9.]+)*)?;)");
    int moves = 0;
    for (std::string rest = text; !rest.empty();) {
      std::smatch m;
      ASSERT_TRUE(std::regex_search(rest, m, command)) << code << ": " << rest.substr(0, 40);
      const std::string cmd = m.str();
      if (cmd.rfind("PU", 0) == 0 || cmd.rfind("PD", 0) == 0) {
        std::istringstream nums(cmd.substr(2));
        for (long v; nums >> v; nums.ignore(1), ++moves) {
          const long limit = (moves % 2 == 0 ? 210 : 297) * kHpglUnitsPerMm;
          EXPECT_TRUE(v >= 0 && v <= limit) << code << ": " << cmd;
        }
      }
      rest = m.suffix();
    }
    EXPECT_GT(moves, 20) << code;
    EXPECT_EQ(text.find("PM0;") != std::string::npos, std::string(code) != "PLT") << "polygon mode only in HP-GL/2";
  }
}

PlotSheet layOut(const fs::path& dxf, std::vector<std::string> switches) {
  switches.insert(switches.begin(), dxf.string());
  std::ifstream in(dxf, std::ios::binary);
  std::string error;
  const auto d = readPlotDrawing(in, error);
  EXPECT_TRUE(d) << error;
  PlotSheet s;
  if (d) {
    EXPECT_TRUE(layOutPlot(*d, *parsePlotArguments(switches).options, s, error)) << error;
  }
  return s;
}

struct Bounds {
  Real x1 = 1e9, y1 = 1e9, x2 = -1e9, y2 = -1e9;
};
Bounds bounds(const PlotSheet& s) {
  Bounds b;
  for (const auto& st : s.strokes)
    for (const auto& [x, y] : st.points) b = {std::min(b.x1, x), std::min(b.y1, y), std::max(b.x2, x), std::max(b.y2, y)};
  return b;
}

TEST(Zeichnr, FittingPutsTheExtentsOntoTheSheetAndTurningMakesItLandscape) {
  const fs::path dir = scratchFolder("zeichnr_fit");
  CadWorld w(dir);
  // A frame of 1000 x 400 mm: far too large for A4 at 1:1.
  write_file(dir / "big.dxf", w.render(kOutPlot, [](DrawingOutput& o) {
    o.DrawingHeader(0, 0, 1000, 400);
    o.BeginBlocks();
    o.EndBlocks();
    o.BeginEntities();
    o.DrawRect(0, 0, 1000, 400);
  }));
  const PlotSheet fit = layOut(dir / "big.dxf", {"/M*"});
  const Bounds b = bounds(fit);
  EXPECT_NEAR(static_cast<double>(b.x1), 10, 1e-6);
  EXPECT_NEAR(static_cast<double>(b.x2), 200, 1e-6) << "the width fills the room between the margins";
  EXPECT_LT(b.y2 - b.y1, 277);
  EXPECT_NEAR(static_cast<double>(fit.scale), 0.19, 1e-9);

  const PlotSheet turned = layOut(dir / "big.dxf", {"/M*", "/R"});
  const Bounds t = bounds(turned);
  EXPECT_GT(t.y2 - t.y1, t.x2 - t.x1) << "the long side runs up the portrait page";
  EXPECT_NEAR(static_cast<double>(t.y2 - t.y1), 277, 1e-6);
  EXPECT_GT(turned.scale, fit.scale);

  const PlotSheet shifted = layOut(dir / "big.dxf", {"/M0.1", "/X5", "/Y7"});
  EXPECT_NEAR(static_cast<double>(bounds(shifted).x1), 15, 1e-6);
  EXPECT_NEAR(static_cast<double>(bounds(shifted).y1), 17, 1e-6);
  EXPECT_NEAR(static_cast<double>(bounds(shifted).x2), 115, 1e-6);
}

TEST(Zeichnr, TenMegabytesOfGarbageGiveAMessage) {
  const fs::path dir = scratchFolder("zeichnr_garbage");
  std::string junk(10 * 1024 * 1024, '\0');
  unsigned x = 12345;
  for (char& c : junk) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 16);
  write_file(dir / "junk.dxf", junk);
  std::string err;
  EXPECT_EQ(plot({(dir / "junk").string(), "/CPS", "/F" + (dir / "out.ps").string()}, &err), 1);
  EXPECT_NE(err.find("Error in DXF File"), std::string::npos) << err;
  // Group-shaped garbage: lines of numbers never ending in EOF.
  std::string lines;
  while (lines.size() < 10 * 1024 * 1024) lines += "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nx\n";
  write_file(dir / "lines.dxf", lines);
  EXPECT_EQ(plot({(dir / "lines").string(), "/CPS", "/F" + (dir / "out.ps").string()}, &err), 1);
}

TEST(Zeichnr, OutputCodeFourPlotsThroughTheConfiguredLine) {
  const fs::path dir = scratchFolder("zeichnr_road");
  DrawingWorld<ScriptedInteraction, CommandLineStarter> world(dir.string());
  CadSettings& cad = world.cad;
  ScriptedInteraction& ui = world.ui;
  DrawingOutput& out = world.out;
  bool& cancelled = world.cancelled;
  // A passed line holds at most 60 characters: the bare DXF name is found in the temporary folder,
  // the plot file is named relative to the current folder.
  setenv("TEMP", dir.c_str(), 1);
  // The plot program starts in the current folder: make it the scratch folder so that the plot
  // file lands there and not in whatever folder the tests were started from.
  struct CurrentFolder {
    fs::path was = fs::current_path();
    explicit CurrentFolder(const fs::path& to) { fs::current_path(to); }
    ~CurrentFolder() { fs::current_path(was); }
  } in_scratch{dir};
  const std::string target = (dir / "zeichnr_road.ps").string();
  fs::remove(target);
  cad.plot_command_lines[0] = "zeichnr zeichnr /CPS /D3 /Fzeichnr_road.ps";
  ui.texts = {cad.plot_command_lines[0]};
  EXPECT_EQ(resolvePlotProgram(cad.plot_command_lines[0], VX11_BIN_DIR),
            std::string(VX11_BIN_DIR) + "/" + cad.plot_command_lines[0]);
  out.OpenOutput(kOutPlot);
  ASSERT_FALSE(cancelled);
  drawSample(out);
  out.CloseOutput();
  EXPECT_TRUE(fs::exists(dir / "zeichnr.dxf"));
  EXPECT_TRUE(ui.shown.empty()) << ui.shown.front();
  for (int i = 0; i < 100 && !(fs::exists(target) && read_file(target).ends_with("%%EOF\n")); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ASSERT_TRUE(fs::exists(target)) << "the plot file appears where /F says";
  EXPECT_EQ(shell("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=nullpage '" + target + "'"), 0);
  // The picture for a person to look at.
  shell("gs -q -sDEVICE=png16m -r100 -o /tmp/zeichnr_plot.png '" + target + "'");
}

TEST(Zeichnr, TheDefaultLineNamesTheInstalledPlotProgram) {
  EXPECT_EQ(std::string(kPlotCommandDefault).rfind("zeichnr zeichnr ", 0), 0u);
  EXPECT_EQ(resolvePlotProgram("plotter zeichnr /CPS", VX11_BIN_DIR), "plotter zeichnr /CPS");
  EXPECT_EQ(resolvePlotProgram("zeichnr zeichnr", "/nowhere"), "zeichnr zeichnr");
}

}  // namespace
}  // namespace vx11::test
