// Speed of the CAD outputs: lines written as DXF entities and display-list records recorded.
#include <benchmark/benchmark.h>

#include <sstream>

#include "cad/cad_settings.h"
#include "cad/dxf_writer.h"
#include "draw/display_list.h"
#include "draw/graphics_surface.h"
#include "base/format_settings.h"

namespace {

using vx11::Real;

// Goal: at least one million DXF entities per second on one core.
void BM_DxfLines(benchmark::State& state) {
  vx11::CadSettings cad;
  vx11::FormatSettings format;
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::ostringstream out;
    vx11::DxfWriter dxf(out, cad, format);
    dxf.setLayer("3");
    for (int i = 0; i < n; ++i) {
      const Real x = i * 0.125L;
      dxf.line(x, -x, x + 10.5L, x * 0.5L);
    }
    benchmark::DoNotOptimize(out.tellp());
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_DxfLines)->Arg(100000)->Unit(benchmark::kMillisecond);

// Goal: at least five million records per second on one core.
void BM_DisplayListRecords(benchmark::State& state) {
  vx11::GraphicsState g;
  vx11::DisplayList list;
  bool cancelled = false;
  vx11::SurfaceView view;
  vx11::GraphicsSurface surface(g, list, cancelled, view);
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    list.clear();
    for (int i = 0; i < n; ++i) {
      const Real x = i * 0.125L;
      surface.line(x, 20.5L, x + 3, 40.25L);
    }
    benchmark::DoNotOptimize(list.size());
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_DisplayListRecords)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
