// Speed of the IGES writer and of the display-list replay that every paint and print goes through.
#include <benchmark/benchmark.h>

#include <ctime>
#include <sstream>

#include "cad/cad_settings.h"
#include "cad/iges_writer.h"
#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/graphics_surface.h"
#include "draw/replay.h"
#include "base/format_settings.h"
#include "base/message_list.h"

namespace {

using vx11::Real;

void BM_IgesLines(benchmark::State& state) {
  const vx11::CadSettings cad;
  const vx11::FormatSettings format;
  vx11::MessageList messages;
  const int n = static_cast<int>(state.range(0));
  std::tm date{};
  date.tm_year = 126;
  date.tm_mday = 1;
  for (auto _ : state) {
    std::ostringstream out;
    std::stringstream scratch;
    vx11::IgesWriter iges(out, scratch, cad, format, messages);
    iges.start();
    iges.header("bench.igs", 1000, date);
    iges.pen(3);
    for (int i = 0; i < n; ++i) {
      const Real x = i * 0.125L;
      iges.line(x, -x, x + 10.5L, x * 0.5L);
    }
    iges.end();
    benchmark::DoNotOptimize(out.tellp());
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_IgesLines)->Arg(100000)->Unit(benchmark::kMillisecond);

// A device that only counts what it is asked to paint.
class CountingDevice : public vx11::ReplayDevice {
 public:
  void setColour(vx11::Rgb) override {}
  void setLineStyle(int) override {}
  void setLineWidth(int) override {}
  void line(vx11::PixelPoint, vx11::PixelPoint) override { ++count; }
  void ellipse(vx11::PixelPoint, vx11::PixelPoint) override { ++count; }
  void arc(vx11::PixelPoint, vx11::PixelPoint, vx11::PixelPoint, vx11::PixelPoint) override { ++count; }
  void polygon(const std::array<vx11::PixelPoint, 4>&, vx11::Rgb) override { ++count; }
  void text(vx11::PixelPoint, const vx11::TextLook&, std::string_view) override { ++count; }
  long long count = 0;
};

void BM_DisplayListReplay(benchmark::State& state) {
  vx11::GraphicsState g;
  vx11::DisplayList list;
  bool cancelled = false;
  vx11::SurfaceView view;
  vx11::GraphicsSurface surface(g, list, cancelled, view);
  const int n = static_cast<int>(state.range(0));
  for (int i = 0; i < n; ++i) {
    const Real x = i * 0.125L;
    if (i % 4 == 3)
      surface.circle(x, 30, 5);
    else
      surface.line(x, 20.5L, x + 3, 40.25L);
  }
  CountingDevice device;
  for (auto _ : state) {
    vx11::replayDisplayList(g, list, device, nullptr, cancelled);
    benchmark::DoNotOptimize(device.count);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(list.size()));
}
BENCHMARK(BM_DisplayListReplay)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
