#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "help/hpgl_reader.h"
#include "help_test_support.h"
#include "base/interaction.h"

namespace vx11 {
namespace {

using test::RecordingSink;
using Calls = std::vector<std::string>;

Calls draw(std::string_view plot) {
  RecordingSink sink;
  const bool cancelled = false;
  readHpgl(plot, sink, cancelled);
  EXPECT_EQ(sink.calls.at(0), "clear");
  return sink.drawn();
}

// Encoded-polyline numbers written independently of the reader: sign in the lowest bit, base 64
// (base 32 in 7-bit mode) digits from the least significant one, the last digit marked.
std::string enc(long long v, bool seven = false) {
  unsigned long long u = v < 0 ? static_cast<unsigned long long>(-v) * 2 + 1 : static_cast<unsigned long long>(v) * 2;
  const unsigned base = seven ? 32 : 64;
  std::string s;
  while (u >= base) {
    s += static_cast<char>(63 + u % base);
    u /= base;
  }
  s += static_cast<char>((seven ? 95 : 191) + u);
  return s;
}

struct PlotCase {
  const char* name;
  std::string plot;
  Calls calls;
};

void expectCalls(const std::vector<PlotCase>& cases) {
  for (const PlotCase& k : cases) {
    SCOPED_TRACE(k.name);
    EXPECT_EQ(draw(k.plot), k.calls);
  }
}

TEST(HpglReader, Commands) {
  expectCalls({
      {"pen up and down in plotter units", "IN;SP1;PU0,0;PD400,0,400,400;PU;",
       {"pen 1 12", "move 0 0", "line 10 0", "line 10 10"}},
      {"PA moves or draws by the pen state", "PD;PA40,0;PU;PA40,40", {"line 1 0", "move 1 1"}},
      {"relative plotting", "PU100,100;PR;PD100,0,0,100;PA;PU0,0", {"move 2.5 2.5", "line 5 2.5", "line 5 5", "move 0 0"}},
      {"pen colours", "SP2;SP3;SP4;SP5;SP6;SP7;SP8;SP0;SP",
       {"pen 2 14", "pen 3 10", "pen 4 11", "pen 5 9", "pen 6 13", "pen 7 15", "pen 8 15", "pen 0 15", "pen 0 15"}},
      {"circle about the current point", "PU400,400;CI200,5;", {"move 10 10", "circle 10 10 5"}},
      {"label with size and direction", "SI0.2,0.3;DI0,1;LBAb\x03PU0,0",
       {"text 0 0 'Ab' 2 3 90", "move 0 6", "move 0 0"}},
      {"label line breaks", "SI0.1,0.2;LBx\r\ny\x03", {"text 0 0 'x' 1 2 0", "text 0 -4 'y' 1 2 0", "move 1.5 -4"}},
      {"label terminator from DT", "DT@;LBhi@PU40,0", {"text 0 0 'hi' 1.9 2.7 0", "move 5.7 0", "move 1 0"}},
      {"arc drawn with pen down", "PU400,0;PD;AA0,0,90;", {"move 10 0", "arc 0 0 10 0 90", "move 0 10"}},
      {"arc with pen up only moves", "PU400,0;AA0,0,-90,5;", {"move 10 0", "move 0 -10"}},
      {"encoded polyline", "PE<=" + enc(4000) + enc(4000) + enc(400) + enc(0) + enc(-400) + enc(-400) + ";PU",
       {"move 100 100", "line 110 100", "line 100 90"}},
      {"encoded polyline: 7-bit, fractions, pen", "PE7:" + enc(3, true) + ">" + enc(2, true) + enc(160, true) +
                                                      enc(-160, true) + ";",
       {"pen 3 10", "line 1 -1"}},
      {"printer control sequences around the plot", "\x1b" "E\x1b%0BIN;PD40,0;\x1b%0A\x1b" "E", {"line 1 0"}},
      {"lower case, blanks as separators", "pu 40 40;pd 80,40", {"move 1 1", "line 2 1"}},
      {"skipped commands and their parameters", "IP0,0,100,100;SC0,10,0,10;LT2,4;VS10;PD40,40", {"line 1 1"}},
  });
}

TEST(HpglReader, BrokenInput) {
  expectCalls({
      {"empty", "", {}},
      {"lone letter", "P", {}},
      {"coordinate without partner", "PD40", {}},
      {"pair cut after the comma", "PD40,40,80,", {"line 1 1"}},
      {"sign without digits", "PD-,+.;PD40,40", {"line 1 1"}},
      {"label without terminator", "LBabc", {"text 0 0 'abc' 1.9 2.7 0", "move 8.55 0"}},
      {"arc without sweep", "PD;AA0,0", {}},
      {"encoded polyline cut in a number", std::string("PE\x7e\x7e"), {}},
      {"size with one number keeps the old size", "SI0.5;LBx\x03", {"text 0 0 'x' 1.9 2.7 0", "move 2.85 0"}},
      {"direction 0,0 keeps the old one", "DI0,1;DI0,0;LBx\x03", {"text 0 0 'x' 1.9 2.7 90", "move 0 2.85"}},
      {"pen number beyond any int", "PE:" + enc(1LL << 50) + ";", {"pen 1000000 0"}},
      {"huge numbers are held at the plotter range", "PD99999999999999999999999999999999,-1e5",
       {"line 26843545.6 -0.025"}},
      {"endless fraction digits", "PD0." + std::string(5000, '1') + ",40", {"line 0.003 1"}},
  });
  // Ten thousand digits neither overflow nor take long.
  const Calls long_number = draw("PD" + std::string(10000, '9') + ",1");
  ASSERT_EQ(long_number.size(), 1u);
  EXPECT_EQ(long_number[0], "line 26843545.6 0.025");
}

TEST(HpglReader, AnyBytesDrawFiniteCoordinates) {
  std::mt19937 random(6888);
  const std::string alphabet = "PUDAERCISLBTSP;,.-+0123456789 \x03\x1b%E";
  for (int round = 0; round < 300; ++round) {
    std::string plot(1 + random() % 400, '\0');
    for (char& c : plot)
      c = round % 2 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
    RecordingSink sink;
    const bool cancelled = false;
    readHpgl(plot, sink, cancelled);
    EXPECT_TRUE(sink.all_finite) << round;
    EXPECT_LE(sink.largest, 1073741824.0L * kPlotterUnitMm * 2) << round;
  }
}

// Sets the abort flag after the first line, as a person pressing Escape would.
class CancellingSink : public RecordingSink {
 public:
  explicit CancellingSink(bool& flag) : flag_(flag) {}
  void lineTo(Real x, Real y) override {
    RecordingSink::lineTo(x, y);
    flag_ = true;
  }

 private:
  bool& flag_;
};

TEST(HpglReader, AbortFlagEndsTheDrawing) {
  bool cancelled = false;
  CancellingSink sink(cancelled);
  readHpgl("PD40,0,80,0;PD120,0;PE" + enc(40) + enc(0) + ";", sink, cancelled);
  EXPECT_EQ(sink.drawn(), Calls{"line 1 0"});
}

TEST(HpglReader, PlotFile) {
  test::ScratchFolder folder;
  folder.write("bild.plt", "PD40,0;");
  RecordingSink sink;
  ScriptedInteraction ui;
  const bool cancelled = false;
  EXPECT_TRUE(drawPlotFile(folder.file("bild.plt"), sink, cancelled, ui));
  EXPECT_EQ(sink.drawn(), Calls{"line 1 0"});
  EXPECT_FALSE(drawPlotFile(folder.file("fehlt.plt"), sink, cancelled, ui));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Hilfe|Datei " + folder.file("fehlt.plt") + " nicht gefunden !");
}

}  // namespace
}  // namespace vx11
