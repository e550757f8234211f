// Rating speed: the computation after the key row refresh runs after every accepted input change.
#include <benchmark/benchmark.h>

#include "bench/bench_context.h"
#include "calc/rating.h"

namespace {

vx11::ConnectionRecord example_record() {
  vx11::ConnectionRecord rec;
  vx11::set_startup_defaults(rec);
  vx11::set_default_materials(rec);
  rec.shaft_diameter_d = 20;
  rec.nominal_torque_tn = 60;
  rec.max_torque_tmax = 90;
  vx11::KeyRow& k = rec.key_row;
  k.shaft_range_min_d1 = 17;
  k.shaft_range_max_d1 = 22;
  k.key_width_b = 5;
  k.key_height_h = 6.5L;
  k.key_diameter_d2 = 16;
  k.key_rounding_r1 = 0.25L;
  k.shaft_groove_depth_t1_a = 5.0L;
  k.hub_groove_depth_t2_a = 1.8L;
  return rec;
}

// A sound design: no message, the common case while a user edits.
void BM_computeRating(benchmark::State& state) {
  vx11::ConnectionRecord rec = example_record();
  rec.nominal_torque_tn = 30;
  rec.max_torque_tmax = 45;
  vx11::MessageList messages;
  const vx11::FormatSettings format;
  for (auto _ : state) {
    if (vx11::begin_rating(rec, messages)) vx11::compute_rating(rec, messages, format, -0.036L);
    benchmark::DoNotOptimize(rec.safety_smax);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_computeRating);

// A weak hub and key: three messages with formatted numbers in every run.
void BM_computeRatingWithMessages(benchmark::State& state) {
  vx11::ConnectionRecord rec = example_record();
  rec.material[vx11::kShaft].yield_re = 355;
  rec.material[vx11::kHub].yield_re = 230;
  rec.material[vx11::kKey].yield_re = 340;
  vx11::MessageList messages;
  const vx11::FormatSettings format;
  for (auto _ : state) {
    if (vx11::begin_rating(rec, messages)) vx11::compute_rating(rec, messages, format, -0.036L);
    benchmark::DoNotOptimize(rec.safety_smax);
  }
  state.SetItemsProcessed(state.iterations());
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
