// Rating speed: the computation after the key row refresh runs after every accepted input change.
#include <benchmark/benchmark.h>

#include "bench/bench_context.h"
#include "calc/rating.h"
#include "tests/support/worked_example.h"

namespace {

vx11::ConnectionRecord example_record() { return vx11::test::worked_example_inputs(); }

// The computation alone on a record, as often as the benchmark asks.
void measure_computation(benchmark::State& state, vx11::ConnectionRecord rec) {
  vx11::MessageList messages;
  const vx11::FormatSettings format;
  for (auto _ : state) {
    if (vx11::begin_rating(rec, messages)) vx11::compute_rating(rec, messages, format, -0.036L);
    benchmark::DoNotOptimize(rec.safety_smax);
  }
  state.SetItemsProcessed(state.iterations());
}

// A sound design: no message, the common case while a user edits.
void BM_computeRating(benchmark::State& state) {
  vx11::ConnectionRecord rec = example_record();
  rec.nominal_torque_tn = 30;
  rec.max_torque_tmax = 45;
  measure_computation(state, rec);
}
BENCHMARK(BM_computeRating);

// A weak hub and key: three messages with formatted numbers in every run.
void BM_computeRatingWithMessages(benchmark::State& state) {
  vx11::ConnectionRecord rec = example_record();
  rec.material[vx11::kShaft].yield_re = 355;
  rec.material[vx11::kHub].yield_re = 230;
  rec.material[vx11::kKey].yield_re = 340;
  measure_computation(state, rec);
}
BENCHMARK(BM_computeRatingWithMessages);

// A whole run as after an input change: key row refresh from the shipped table, h9, computation.
void BM_runRating(benchmark::State& state) {
  vx11::BenchContext b;
  b.rec = example_record();
  b.rec.key_row_number = 12;  // 5 x 6.5
  for (auto _ : state) {
    vx11::run_rating(b.ctx);
    benchmark::DoNotOptimize(b.rec.safety_smax);
  }
  if (b.rec.cancelled || b.rec.fatal_error) state.SkipWithError("din6888 not readable");
}
BENCHMARK(BM_runRating)->Unit(benchmark::kMicrosecond);

}  // namespace
