// Result table speed: sorting a grid of 10 000 rows by a column, and the workbooks of the spreadsheet link.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "report/format.h"
#include "report/result_table_sort.h"
#include "report/spreadsheet_reader.h"
#include "report/spreadsheet_writer.h"

namespace {

std::vector<vx11::ResultRow> random_rows(int n) {
  const vx11::FormatSettings s;
  std::mt19937 random(11);
  std::vector<vx11::ResultRow> rows(1);
  for (int i = 0; i < n; ++i) {
    vx11::ResultRow row;
    row[0] = "datei" + std::to_string(i) + ".vxk";
    for (int c = 1; c < vx11::kResultTableColumns; ++c)
      row[static_cast<std::size_t>(c)] = vx11::fmtFixed(s, 3, 2, static_cast<vx11::Real>(random() % 100000) / 100);
    rows.push_back(row);
  }
  return rows;
}

void BM_sortTenThousandRows(benchmark::State& state) {
  const std::vector<vx11::ResultRow> rows = random_rows(10000);
  for (auto _ : state) {
    std::vector<vx11::ResultRow> copy = rows;
    vx11::sort_result_rows(copy, vx11::result_column::kSafetyEq1);
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_sortTenThousandRows)->Unit(benchmark::kMillisecond);

// The grid of 10 000 rows written as a workbook and read back.
void BM_gridWorkbookWriteAndRead(benchmark::State& state) {
  const std::vector<vx11::ResultRow> grid = random_rows(10000);
  std::vector<vx11::SheetRow> rows;
  for (const auto& r : grid) rows.emplace_back(r.begin(), r.end());
  const std::string path = (std::filesystem::temp_directory_path() / ("vx11-bench-" + std::to_string(::getpid()) + ".xlsx")).string();
  for (auto _ : state) {
    std::string error;
    if (!vx11::write_workbook(path, rows, vx11::WorkbookLayout{}, error)) state.SkipWithError(error.c_str());
    vx11::WorksheetCells cells;
    if (!vx11::read_worksheet(path, cells, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(cells.rows.data());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_gridWorkbookWriteAndRead)->Unit(benchmark::kMillisecond);

}  // namespace
