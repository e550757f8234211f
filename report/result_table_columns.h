// The 21 columns of the result table: heads, widths and the texts of one row per input data file.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "calc/connection_record.h"
#include "base/format_settings.h"

namespace vx11 {

inline constexpr int kResultTableColumns = 21;

// Columns that a caller addresses by name.
namespace result_column {
inline constexpr int kFile = 0;
inline constexpr int kDate = 1;
inline constexpr int kShaftNumber = 2;
inline constexpr int kSafetyEq1 = 15;
inline constexpr int kSafetyMax1 = 18;
}  // namespace result_column

// The grid's default column width, for the columns that keep it.
inline constexpr int kGridDefaultColumnWidth = 64;

// Column widths in pixels.
inline constexpr std::array<int, kResultTableColumns> kResultTableWidths = {
    150, 64, 90, 90, 150, kGridDefaultColumnWidth, kGridDefaultColumnWidth, kGridDefaultColumnWidth,
    kGridDefaultColumnWidth, kGridDefaultColumnWidth, kGridDefaultColumnWidth, kGridDefaultColumnWidth,
    100, 100, 100, kGridDefaultColumnWidth, kGridDefaultColumnWidth, kGridDefaultColumnWidth,
    kGridDefaultColumnWidth, kGridDefaultColumnWidth, kGridDefaultColumnWidth};

// Every cell of the table holds window text (UTF-8).
using ResultRow = std::array<std::string, kResultTableColumns>;

// Row 0: the column heads; the unit columns follow the unit system.
ResultRow result_table_heads(const FormatSettings& format);

// The row of a file that was read and rated. `file_name` is the name on disk (already window text).
ResultRow result_table_row(const FormatSettings& format, std::string_view file_name, std::time_t file_date,
                           const ConnectionRecord& rec);

// The row of a file whose rating stopped: the inputs as read, and instead of the six safeties (which
// are not results of this file) the stop message in the first safety column.
ResultRow result_table_fatal_row(const FormatSettings& format, std::string_view file_name, std::time_t file_date,
                                 const ConnectionRecord& rec, std::string_view cp850_message);

// The row of a file that could not be read: file name, date (when known) and what is wrong.
ResultRow result_table_error_row(const FormatSettings& format, std::string_view file_name, std::time_t file_date,
                                 std::string_view cp850_message);

}  // namespace vx11
