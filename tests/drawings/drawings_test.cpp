// The connection drawings and the quick view: scales, table contents, geometry read back from the DXF,
// the command-line CAD output and the independent DXF reader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "calc/rating.h"
#include "draw/connection_drawing.h"
#include "draw/quick_view.h"
#include "project/cad_command.h"
#include "project/program_state.h"
#include "tests/support/command_run.h"
#include "tests/support/drawing_world.h"
#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worked_example.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

ConnectionRecord workedExample(MessageList& messages) {
  ConnectionRecord rec = test::worked_example_inputs();
  const FormatSettings format;
  if (begin_rating(rec, messages)) compute_rating(rec, messages, format, key_height_deviation(rec));
  return rec;
}

fs::path scratch(const std::string& name) {
  return test::emptied_folder(fs::path(VX11_BUILD_DIR) / "test_drawings_scratch" / name);
}

using test::read_file;

// The pieces an output needs; files go beside `project` as the batch output writes them.
struct World : test::DrawingWorld<ScriptedInteraction, CommandLineStarter> {
  int help = 0;
  ConnectionRecord rec = workedExample(messages);
  DrawingContext context{rec, messages, format, ui, cancelled, help, out, {}};

  explicit World(const fs::path& folder) : DrawingWorld(folder.string()) {
    out.project_file = (folder / "probe.vxk").string();
  }
  std::string draw(int view, int code = kOutDxf) {
    DrawConnection(context, view, code);
    return read_file(fs::path(out.project_file).replace_extension(code == kOutDxf ? "dxf" : code == kOutIges ? "igs" : "txt"));
  }
};

// Group code and value pairs of a DXF text.
std::vector<std::pair<int, std::string>> pairs(const std::string& dxf) {
  std::vector<std::pair<int, std::string>> p;
  std::istringstream in(dxf);
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) {
    if (!value.empty() && value.back() == '\r') value.pop_back();
    p.emplace_back(std::stoi(code), value);
  }
  return p;
}

struct Entity {
  std::string kind;
  std::map<int, double> v;
};

std::vector<Entity> entities(const std::string& dxf) {
  std::vector<Entity> all;
  for (const auto& [code, value] : pairs(dxf)) {
    if (code == 0) {
      all.push_back({value, {}});
    } else if (!all.empty() && (code == 10 || code == 20 || code == 11 || code == 21 || code == 40 || code == 42)) {
      all.back().v[code] = std::stod(value);
    }
  }
  return all;
}

std::string run(const std::string& command) {
  const test::CommandRun r = test::run_command(command + " 2>&1");
  if (!r.started) return "cannot start";
  return r.status == 0 ? "" : r.output;
}

TEST(Drawings, SectionDimensionScaleByTheRoundedShaftDiameter) {
  const struct {
    Real d, scale;
  } cases[] = {{20.4L, 0.2L}, {20.6L, 0.4L}, {60.4L, 0.4L}, {60.6L, 1.0L}};
  for (const auto& c : cases) EXPECT_EQ(sectionDimensionScale(c.d), c.scale) << static_cast<double>(c.d);
}

TEST(Drawings, KeyDrawingHasTheDiscArcAndTheFlatSideOfTheKeyLength) {
  World w(scratch("key"));
  ASSERT_FALSE(w.rec.fatal_error);
  const auto all = entities(w.draw(kViewKey));
  const double R = static_cast<double>(w.rec.key_row.key_diameter_d2) / 2;
  const double l = static_cast<double>(w.rec.key_length_l);
  bool arc = false, flat = false;
  for (const Entity& e : all) {
    if (e.kind == "ARC" && std::abs(e.v.at(40) - R) < 1e-6) arc = true;
    if (e.kind == "LINE" && std::abs(e.v.at(20)) < 1e-9 && std::abs(e.v.at(21)) < 1e-9 &&
        std::abs(std::abs(e.v.at(11) - e.v.at(10)) - l) < 1e-4)
      flat = true;
  }
  EXPECT_TRUE(arc) << "no arc of radius d2/2";
  EXPECT_TRUE(flat) << "no flat side of length l";
}

TEST(Drawings, ShaftSectionGrooveIsT1Deep) {
  World w(scratch("shaft"));
  const auto all = entities(w.draw(kViewShaft));
  const double d = static_cast<double>(w.rec.shaft_diameter_d);
  double radius = 0, lowest = 1e9;
  for (const Entity& e : all) {
    if (e.kind == "CIRCLE") radius = e.v.at(40);
    if (e.kind == "VERTEX") lowest = std::min(lowest, e.v.at(20));
  }
  EXPECT_NEAR(radius, d / 2, 1e-9);
  EXPECT_NEAR(radius - lowest, static_cast<double>(w.rec.shaft_groove_depth_t1), 1e-6);
}

TEST(Drawings, FatalRunShowsTheMessagesInsteadOfDrawing) {
  const fs::path dir = scratch("fatal");
  World w(dir);
  w.rec.fatal_error = true;
  int shown = 0;
  w.context.show_messages = [&] { ++shown; };
  DrawConnection(w.context, kViewAsk, kOutDxf);
  DrawQuickView(w.context, kOutDxf);
  EXPECT_EQ(shown, 2);
  EXPECT_FALSE(fs::exists(dir / "probe.dxf"));
}

TEST(Drawings, ChoiceListDrawsUntilBack) {
  World w(scratch("choice"));
  w.ui.choices = {1, 2, 4};  // shaft, hub, back
  DrawConnection(w.context, kViewAsk, kOutDxf);
  EXPECT_EQ(w.help, kHelpDrawingChoice);
  EXPECT_FALSE(w.cancelled);
  EXPECT_NE(read_file(fs::path(w.out.project_file).replace_extension("dxf")).find("EOF"), std::string::npos);
}

TEST(QuickView, NoBendingRowAndNoMessageBlockWhenThereAreNone) {
  MessageList messages;
  ConnectionRecord rec = workedExample(messages);
  MessageList none;
  const auto blocks = quickViewBlocks(rec, none, FormatSettings{});
  ASSERT_EQ(blocks.size(), 5u);
  for (const auto& b : blocks) {
    EXPECT_NE(b.title, "Fehlermeldungen:");
    for (const auto& r : b.rows) EXPECT_EQ(r.label.find("Biegemoment"), std::string::npos);
    EXPECT_LE(b.x + b.width(), kQuickViewWidth) << b.title;
    EXPECT_GE(b.bottom(), 0) << b.title;
  }
  rec.bending_moment_mbmax = 12;
  none.add("Warnung: probe");
  const auto more = quickViewBlocks(rec, none, FormatSettings{});
  ASSERT_EQ(more.size(), 6u);
  EXPECT_EQ(more[1].title, "Fehlermeldungen:");
  EXPECT_EQ(more[2].rows[2].label, "Zus\x84tzl. Biegemoment Mbmax");
}

TEST(Drawings, EveryViewLoadsInEzdxfWithoutAuditErrors) {
  const fs::path dir = scratch("ezdxf");
  std::string files;
  for (int view = kViewKey; view <= 5; ++view) {
    World w(dir);
    w.out.project_file = (dir / ("view" + std::to_string(view) + ".vxk")).string();
    if (view == 5)
      DrawQuickView(w.context, kOutDxf);
    else
      DrawConnection(w.context, view, kOutDxf);
    EXPECT_FALSE(w.cancelled) << view;
    files += " '" + fs::path(w.out.project_file).replace_extension("dxf").string() + "'";
  }
  const std::string python = fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
  EXPECT_EQ(run(python + " '" + VX11_TEST_DIR + "/cad/check_dxf.py'" + files), "");
}

TEST(Drawings, EveryViewInIgesTransfersInOpenCascade) {
#ifndef VX11_IGES_CHECK
  GTEST_SKIP() << "OpenCASCADE's IGES reader is not installed";
#else
  const fs::path dir = scratch("iges");
  std::string files;
  for (int view = kViewKey; view <= 5; ++view) {
    World w(dir);
    w.out.project_file = (dir / ("view" + std::to_string(view) + ".vxk")).string();
    if (view == 5)
      DrawQuickView(w.context, kOutIges);
    else
      DrawConnection(w.context, view, kOutIges);
    EXPECT_FALSE(w.cancelled) << view;
    files += " '" + fs::path(w.out.project_file).replace_extension("igs").string() + "'";
  }
  EXPECT_EQ(run(std::string("'") + VX11_IGES_CHECK + "'" + files), "");
#endif
}

TEST(Drawings, AssemblyOfTheWorkedExamplePlotsThroughThePlotProgram) {
  // The plot road a person uses: the assembly as DXF, the plot program fits it onto an A4 sheet
  // in PostScript, and ghostscript turns the page into a picture (left in the scratch folder).
  const fs::path dir = scratch("assembly_plot");
  World w(dir);
  w.draw(kViewAssembly);
  ASSERT_FALSE(w.cancelled);
  const std::string plot = "cd '" + dir.string() + "' && '" + VX11_BIN_DIR + "/zeichnr' probe /CPS /M* /R /Fassembly.ps";
  ASSERT_EQ(std::system((plot + " >/dev/null 2>&1").c_str()), 0);
  const std::string ps = (dir / "assembly.ps").string();
  EXPECT_EQ(std::system(("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=nullpage '" + ps + "' >/dev/null 2>&1").c_str()), 0);
  EXPECT_EQ(std::system(("gs -q -dSAFER -sDEVICE=png16m -r100 -o '" + (dir / "assembly.png").string() + "' '" + ps +
                         "' >/dev/null 2>&1").c_str()), 0);
  EXPECT_GT(fs::file_size(dir / "assembly.png"), 10000u);
}

TEST(CadCommand, SwitchParsing) {
  const struct {
    const char* text;
    int format, view;
  } cases[] = {{"/cad1:2", 1, 2}, {"/CAD5:1", 5, 1}, {"/CAD1:0", 1, 0}, {"/CAD2:4", 2, 4}, {"/CADx", 0, 0}};
  for (const auto& c : cases) {
    const CadSwitch s = parseCadSwitch(c.text);
    EXPECT_EQ(s.format, c.format) << c.text;
    EXPECT_EQ(s.view, c.view) << c.text;
  }
}

class NoPrinter : public TextPrinter {
 public:
  void print(const std::string&) override {}
};

TEST(CadCommand, WritesBesideTheInputAndEndsWithTheExitCode) {
  const fs::path dir = scratch("command");
  fs::copy_file(fs::path(VX11_SOURCE_DIR) / "examples" / "beispiel.vxk", dir / "beispiel.vxk");
  BatchInteraction ui;
  ui.echo = false;
  BatchTableBrowser browser;
  RecordingTextWindow window;
  NoPrinter printer;
  SpawnProcessStarter starter;
  const struct {
    const char* sw;
    const char* written;  // nullptr: nothing, and the switch is refused
  } cases[] = {{"/cad1:2", "beispiel.dxf"}, {"/CAD5:1", "beispiel.txt"}, {"/CAD2:4", "beispiel.igs"}, {"/CAD1:0", nullptr},
               {"/CAD4:1", nullptr}, {"/CAD1:5", nullptr}};
  for (const auto& c : cases) {
    for (const char* ext : {".dxf", ".txt", ".igs"}) fs::remove(fs::path(dir / "beispiel").replace_extension(ext));
    ProgramState st(Frontend{ui, browser, ReportOutlets{window, printer, starter}});
    st.config.dbf_folder = VX11_DATA_DIR;
    st.apply_configuration();
    EXPECT_EQ(run_cad_command(st, (dir / "beispiel.vxk").string(), c.sw), c.written ? 0 : 1) << c.sw;
    if (c.written) {
      EXPECT_TRUE(fs::exists(dir / c.written)) << c.sw;
    } else {
      for (const char* ext : {".dxf", ".txt", ".igs"})
        EXPECT_FALSE(fs::exists(fs::path(dir / "beispiel").replace_extension(ext))) << c.sw;
    }
  }
  ProgramState st(Frontend{ui, browser, ReportOutlets{window, printer, starter}});
  EXPECT_EQ(run_cad_command(st, (dir / "fehlt.vxk").string(), "/CAD1:1"), 1);
  // Without its key table the rating stops: no drawing of a key row of zeros.
  st.config.dbf_folder = dir.string();
  st.apply_configuration();
  EXPECT_EQ(run_cad_command(st, (dir / "beispiel.vxk").string(), "/CAD1:1"), 1);
  EXPECT_FALSE(fs::exists(dir / "beispiel.dxf"));
}

}  // namespace
}  // namespace vx11
