// Input data file speed: writing and reading a fully populated file in memory (the command-line
// run reads one per process, the result table reads every file of a folder).
#include <benchmark/benchmark.h>

#include <sstream>

#include "project/input_data.h"
#include "tests/datafile/sample_inputs.h"

namespace {

std::string full_file(const vx11::test::SampleInputs& in) {
  std::ostringstream out;
  vx11::write_input_data(out, in.rec, in.doc, vx11::FormatSettings{}, vx11::ProgramIdentity{}, "Bench");
  return out.str();
}

void BM_writeInputFile(benchmark::State& state) {
  const auto in = vx11::test::full_inputs();
  const vx11::FormatSettings s;
  const vx11::ProgramIdentity id;
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::ostringstream out;
    vx11::write_input_data(out, in.rec, in.doc, s, id, "Bench");
    bytes += out.view().size();
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_writeInputFile);

void BM_readInputFile(benchmark::State& state) {
  const std::string file = full_file(vx11::test::full_inputs());
  vx11::ConnectionRecord rec;
  vx11::Documentation doc;
  for (auto _ : state) {
    std::istringstream in(file);
    benchmark::DoNotOptimize(vx11::read_input_data(in, rec, doc));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_readInputFile);

// The shipped template: what a command-line run of a plain connection reads.
void BM_readPlainInputFile(benchmark::State& state) {
  vx11::test::SampleInputs plain;
  vx11::set_startup_defaults(plain.rec);
  vx11::set_default_materials(plain.rec);
  const std::string file = full_file(plain);
  for (auto _ : state) {
    std::istringstream in(file);
    vx11::ConnectionRecord rec;
    vx11::Documentation doc;
    benchmark::DoNotOptimize(vx11::read_input_data(in, rec, doc));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_readPlainInputFile);

}  // namespace
