// Speed of the report stream (a report-sized printout to a file with its converted copy) and of
// reading and writing the configuration.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "project/configuration.h"
#include "report/report_stream.h"

namespace {

using namespace vx11;

void BM_ReportStreamToFileWithCopy(benchmark::State& state) {
  const std::string dir = (std::filesystem::temp_directory_path() / "vx11_bench_stream").string() + "/";
  std::filesystem::create_directories(dir);
  Configuration config = default_configuration(dir);
  config.temp_folder = dir;
  FormatSettings format;
  ProgramIdentity identity;
  BatchInteraction ui;
  RecordingTextWindow window;
  SpawnProcessStarter starter;
  LpTextPrinter printer(format, config.temp_folder, starter, ui);
  ReportOutlets outlets{window, printer, starter};
  int help = 0;
  bool cancelled = false;
  ReportStream stream({config, format, identity, ui, outlets, help, cancelled});
  for (auto _ : state) {
    stream.open(kChannelDosFile, "bench");
    stream.set_page_header("", "Scheibenfeder DIN 6888", "Welle 11111111", "Nabe 22222222", "", 3);
    stream.page_header(0, 1);
    for (int i = 0; i < 60; ++i) {
      stream.value_line("Wellendurchmesser", "d", "mm", "35.000");
      stream.pair_line("Streckgrenze", "Re", "MPa", "355", "235");
    }
    stream.page_end();
    stream.close();
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ReportStreamToFileWithCopy)->Unit(benchmark::kMicrosecond);

void BM_ConfigurationWriteAndRead(benchmark::State& state) {
  const Configuration config = default_configuration("/start/");
  for (auto _ : state) {
    std::ostringstream out;
    write_configuration(out, config, ProgramIdentity{});
    std::istringstream in(out.str());
    Configuration back = default_configuration("/start/");
    read_configuration(in, back, ScreenMetrics{}, "/start/");
    benchmark::DoNotOptimize(back);
  }
}
BENCHMARK(BM_ConfigurationWriteAndRead)->Unit(benchmark::kMicrosecond);

}  // namespace
