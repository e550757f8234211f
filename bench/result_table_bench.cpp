// Result table speed: the scan of a data directory with 10 000 input data files, sorting the grid by a
// column, and the workbooks of the spreadsheet link.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench/input_folder.h"
#include "calc/table_browser.h"
#include "calc/table_object.h"
#include "docu/documentation.h"
#include "project/input_data.h"
#include "base/format.h"
#include "project/result_table_rater.h"
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

// The result table's scan: 10 000 generated input data files read and rated, one row each.
void BM_scanTenThousandInputFiles(benchmark::State& state) {
  const vx11::FormatSettings format;
  const vx11::ProgramIdentity id;
  const std::string folder = vx11::make_input_folder("vx11-scan-bench", 10000);
  vx11::Session session;
  vx11::BatchTableBrowser browser;
  vx11::TableObject tables{browser};
  tables.set_folders(VX11_DATA_DIR, folder);
  vx11::ProgramFileRater rater(format, id, session, tables);
  for (auto _ : state) {
    bool cancelled = false;
    const vx11::ResultTable table = vx11::scan_result_table(folder, "vxk", format, id, rater, nullptr, cancelled);
    if (table.row_count() != 10001) state.SkipWithError("files missing from the table");
    benchmark::DoNotOptimize(table.rows.data());
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_scanTenThousandInputFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
