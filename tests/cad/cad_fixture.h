// Shared pieces of the CAD tests: the program state an output needs, scratch folders, golden files,
// and the sample drawings that the golden tests and the independent readers both use.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cad/cad_settings.h"
#include "cad/drawing_output.h"
#include "cad/process_start.h"
#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/graphics_surface.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "base/message_list.h"
#include "tests/support/drawing_world.h"
#include "tests/support/files.h"

namespace vx11::test {

// A folder of its own per test under the build tree, emptied at start.
std::filesystem::path scratchFolder(const std::string& name);

// Where the tests leave every DXF and IGES file for the independent readers.
std::filesystem::path exchangeFolder();

// Compares text with tests/cad/golden/<name>; VX11_REGENERATE=1 rewrites the golden file instead.
void expectGolden(const std::string& name, const std::string& text);

// Records started commands instead of starting them.
class RecordingStarter : public CommandLineStarter {
 public:
  int start(std::string_view line) override {
    lines.emplace_back(line);
    return result;
  }
  std::vector<std::string> lines;
  int result = kStarted;
};

// A drawing surface with its own state and list.
struct SurfaceProbe {
  GraphicsState g;
  DisplayList list;
  bool cancelled = false;
  SurfaceView view;
  GraphicsSurface s{g, list, cancelled, view};
  std::vector<std::string> records() const {
    std::vector<std::string> r;
    for (std::size_t i = 0; i < list.size(); ++i) r.emplace_back(list.record(i));
    return r;
  }
};

struct CadWorld : DrawingWorld<ScriptedInteraction, RecordingStarter> {
  explicit CadWorld(const std::filesystem::path& temp) : DrawingWorld(temp.string()) { out.clock = fixedTime(); }
  static std::tm fixedTime();
  // The text of an output drawn by `draw` onto a string stream (codes 1, 2, 4, 5).
  template <class Draw>
  std::string render(int code, Draw draw, const std::string& file_name = "probe") {
    std::stringstream out_text, scratch;
    out.OpenOutputOn(code, out_text, file_name, &scratch);
    draw(out);
    out.CloseOutput();
    return out_text.str();
  }
  std::string displayList() const;  // all records, one a line
};

// One drawing with one element of every kind: frame, a block with a line, pens, line, circle, arc,
// full arc, text, solid, polyline with an arc segment, a rotated and an unrotated insert.
void drawSample(DrawingOutput& out);
// A block of twelve members after one of fifty, each inserted once.
void drawTwelveMemberBlock(DrawingOutput& out);
// Round rectangle, arrows and the four dimension kinds.
void drawDimensions(DrawingOutput& out);

}  // namespace vx11::test
