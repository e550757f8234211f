// Writing a one-sheet .xlsx workbook from rows of cell texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx11 {

// One row of cells, window text (UTF-8).
using SheetRow = std::vector<std::string>;

struct WorkbookLayout {
  // Every cell is text, empty ones included, so the sheet keeps the lines exactly as they are and a
  // spreadsheet program does not turn "35.000" into the number 35. Otherwise a cell that is a plain
  // decimal number (blanks around it allowed) becomes a number shown with the same decimals.
  bool all_text = false;
  char decimal = '.';               // the decimal sign of number cells when not all_text
  std::vector<int> column_pixels;   // widths of the first columns; missing ones keep the default
};

// Writes the workbook to `path` through a temporary file beside it, so a failure leaves any previous
// workbook of that name in place. False with the reason in `error` (code page 850).
bool write_workbook(const std::string& path, const std::vector<SheetRow>& rows, const WorkbookLayout& layout,
                    std::string& error);

// The value of a cell text that is a plain decimal number with `decimal` as its sign: an optional
// minus, digits without a leading zero, optionally the sign and more digits, at most 15 digits in all.
// `decimals` receives the number of digits after the sign. False for any other text.
bool number_cell(std::string_view text, char decimal, double& value, int& decimals);

}  // namespace vx11
