// Drawing speed of hatching (every section face of every drawing) and of the HP-GL help-picture reader.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>

#include "draw/hatch_contour.h"
#include "help/hpgl_reader.h"

namespace {

class NullHatchOutput : public vx11::HatchOutput {
 public:
  void selectPen(int) override {}
  void moveTo(vx11::Real, vx11::Real) override {}
  void lineTo(vx11::Real, vx11::Real) override {}
  void line(vx11::Real x1, vx11::Real, vx11::Real, vx11::Real) override { benchmark::DoNotOptimize(x1); }
};

// A shaft section: 50-point circle of diameter 60 hatched at 45° every 2 mm (about 42 lines).
void BM_hatchShaftSection(benchmark::State& state) {
  NullHatchOutput out;
  vx11::MessageList messages;
  bool cancelled = false;
  vx11::Hatching hatch(out, messages, cancelled);
  for (auto _ : state) {
    hatch.HatchReset();
    hatch.HatchArc(49, 0, 0, 30, 0, 2 * std::numbers::pi_v<vx11::Real>);
    hatch.Hatch(0, 45, 2);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_hatchShaftSection);

class NullSink : public vx11::HpglSink {
 public:
  void clear() override {}
  void moveTo(vx11::Real x, vx11::Real) override { benchmark::DoNotOptimize(x); }
  void lineTo(vx11::Real x, vx11::Real) override { benchmark::DoNotOptimize(x); }
  void selectPen(int, int) override {}
  void circle(vx11::Real, vx11::Real, vx11::Real) override {}
  void arc(vx11::Real, vx11::Real, vx11::Real, vx11::Real, vx11::Real) override {}
  void text(vx11::Real, vx11::Real, std::string_view, vx11::Real, vx11::Real, vx11::Real) override {}
};

// One megabyte of plot commands, the size of a detailed help picture.
void BM_readHpgl(benchmark::State& state) {
  std::string plot = "IN;SP1;";
  for (int i = 0; plot.size() < (1 << 20); ++i)
    plot += "PU" + std::to_string(i % 4800) + "," + std::to_string(i % 6400) + ";PD" +
            std::to_string((i * 7) % 4800) + "," + std::to_string((i * 3) % 6400) + ";LBText\x03";
  NullSink sink;
  const bool cancelled = false;
  for (auto _ : state) vx11::readHpgl(plot, sink, cancelled);
  state.SetBytesProcessed(static_cast<long long>(state.iterations() * plot.size()));
}
BENCHMARK(BM_readHpgl);

}  // namespace
