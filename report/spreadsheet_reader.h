// Reading the cells of a workbook's active worksheet (.xlsx): shared and inline strings, numbers,
// booleans, formula results; damaged workbooks give a message, never a crash.
#pragma once

#include <string>
#include <vector>

#include "report/spreadsheet_writer.h"

namespace vx11 {

// rows[r][c] is the text of the cell in row r + 1 and column c + 1 (window text, UTF-8). Rows and
// cells without a value read as empty texts; the last row is the last one that holds a cell at all.
// Numbers read as their shortest text ("35", "0.5", "1e+20").
struct WorksheetCells {
  std::vector<SheetRow> rows;
  // The texts of column A, one per row.
  std::vector<std::string> column_a() const;
};

// False with the reason in `error` (code page 850) when the file is missing, not a workbook or damaged.
bool read_worksheet(const std::string& path, WorksheetCells& cells, std::string& error);

}  // namespace vx11
