// The rating re-reads the key row at every run: open din6888, read one row, close.
#include <benchmark/benchmark.h>

#include "bench/bench_context.h"
#include "calc/key_table.h"

namespace vx11 {
namespace {

using Bench = BenchContext;

void BM_RefreshKeyRow(benchmark::State& state) {
  Bench b;
  b.rec.key_row_number = 12;
  for (auto _ : state) {
    refresh_key_row(b.ctx);
    benchmark::DoNotOptimize(b.rec.key_row.key_width_b);
  }
  if (b.rec.cancelled || b.rec.key_row.key_width_b == 0) state.SkipWithError("din6888 not readable");
}
BENCHMARK(BM_RefreshKeyRow)->Unit(benchmark::kMicrosecond);

void BM_RoundToShaftSeries(benchmark::State& state) {
  Bench b;
  for (auto _ : state) benchmark::DoNotOptimize(round_to_shaft_series(b.ctx, 0, 35.5L));
}
BENCHMARK(BM_RoundToShaftSeries)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vx11
