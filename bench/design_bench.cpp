// Design aids: the key search over every row, series and key count, and the JSON of a folder of
// 10 000 input data files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "bench/bench_context.h"
#include "bench/input_folder.h"
#include "calc/key_search.h"
#include "project/json_command.h"
#include "project/running_program.h"
#include "tests/support/worked_example.h"

namespace {

// The whole search as the dialog runs it: the key table read once, 24 rows x 2 series x 2 counts rated
// and ranked.
void BM_searchKeys(benchmark::State& state) {
  vx11::BenchContext b;
  b.rec = vx11::test::worked_example_inputs();
  for (auto _ : state) {
    const auto rows = vx11::read_key_table(b.ctx);
    if (!rows) state.SkipWithError("din6888 not readable");
    const auto ranked = vx11::search_keys(b.rec, *rows, b.format, {});
    benchmark::DoNotOptimize(ranked.data());
  }
  state.SetItemsProcessed(state.iterations() * 96);
}
BENCHMARK(BM_searchKeys)->Unit(benchmark::kMicrosecond);

// "wvx11 FOLDER /JSON" on 10 000 generated files: read, rate, search the keys, write each result
// (about 34 kB) into the folder, where none is yet. One run: replacing the results of a run before
// costs what deleting 10 000 files costs on the file system, which is not this program's time.
void BM_jsonTenThousandInputFiles(benchmark::State& state) {
  const std::string folder = vx11::make_input_folder("vx11-json-bench", 10000);
  vx11::RunningProgram program;
  for (auto _ : state) {
    std::ostringstream out, err;
    if (vx11::run_json_command(program.state, folder, out, err) != 0) state.SkipWithError(err.str().c_str());
    benchmark::DoNotOptimize(out.str().data());
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_jsonTenThousandInputFiles)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
