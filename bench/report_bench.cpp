// Writing the result report of the worked example: into a file with the channel's converted copy
// (goal: under a millisecond), into a file already open, and the content alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "printout_fixture.h"
#include "report/result_report.h"

namespace {

using namespace vx11;

// The report tests' set-up with a real temporary folder for the channel's files.
struct ReportSetup : test::PrintoutFixture {
  ReportSetup() {
    config.temp_folder = folder.path().string() + "/";
    browsing.no_prompts = true;
  }
  test::ScratchFolder folder{"report_bench"};
};

// Channel 8: the stream file OUTDOS.TXT and its converted copy outwin.txt in the temporary folder.
// They are removed between runs, as a report is written once: rewriting a file in place would
// measure the file system's flush of truncated files instead.
void BM_ResultReportToFile(benchmark::State& state) {
  ReportSetup s;
  auto p = s.context();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(s.folder.file("OUTDOS.TXT"));
    std::filesystem::remove(s.folder.file("outwin.txt"));
    state.ResumeTiming();
    writeResultReport(p, {kChannelDosFile, nullptr});
    if (s.cancelled) state.SkipWithError("report cancelled");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ResultReportToFile)->Unit(benchmark::kMicrosecond);

// The same lines into a file opened once: the writers and the stream without the hand-over copy.
void BM_ResultReportIntoOpenFile(benchmark::State& state) {
  ReportSetup s;
  auto p = s.context();
  std::ofstream file(s.folder.file("bericht.txt"), std::ios::binary);
  for (auto _ : state) {
    file.seekp(0);
    writeResultReport(p, {kChannelDosFile, &file});
  }
  file.flush();
  if (!file) state.SkipWithError("write failed");
}
BENCHMARK(BM_ResultReportIntoOpenFile)->Unit(benchmark::kMicrosecond);

void BM_ResultReportContent(benchmark::State& state) {
  ReportSetup s;
  for (auto _ : state) benchmark::DoNotOptimize(resultReportBlocks(s.rec, s.format));
}
BENCHMARK(BM_ResultReportContent)->Unit(benchmark::kMicrosecond);

}  // namespace
