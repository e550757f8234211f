// The table browser's "Print..": the first seven fields of every record through the report stream.
#pragma once

#include <ostream>

#include "calc/table_object.h"
#include "report/report_stream.h"

namespace vx11 {

// Opens the stream on `channel` (0: the configured one), writes a page headed with the table's
// second title and file name, a line of field names, a rule and one line per record not marked as
// deleted (columns of equal width, values cut to fit), and closes. False when the stream did not open.
bool print_table(ReportStream& stream, const TableObject& table, int channel = 0, std::ostream* into = nullptr);

}  // namespace vx11
