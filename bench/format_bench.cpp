// Formatting speed: fmtSig and the real-value writer run for every number of every report and file.
#include <benchmark/benchmark.h>

#include <sstream>

#include "base/format.h"
#include "base/value_lines.h"

namespace {

void BM_fmtSig(benchmark::State& state) {
  const vx11::FormatSettings s;
  vx11::Real x = 0.0123L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vx11::fmtSig(s, x));
    x = x * 1.37L;
    if (x > 1E6L) x = 0.0123L;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_fmtSig);

void BM_realValueLine(benchmark::State& state) {
  const vx11::FormatSettings s;
  std::ostringstream out;
  vx11::Real x = 0.5L;
  for (auto _ : state) {
    vx11::writeRealLine(out, s, x);
    x += 1.25L;
    if (out.tellp() > (1 << 20)) out.str({});
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_realValueLine);

}  // namespace
