// The table browser's file functions that need no window: HTML page, delimited text, appending.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "calc/calc_context.h"

namespace vx11 {

struct HtmlPageHeader {
  std::string title_line;  // the program's title line
  std::string date;        // date and time texts of the page's third paragraph
  std::string time;
};

// The whole open table as an HTML page, texts converted from code page 850.
void write_table_html(std::ostream& out, const TableObject& table, const FormatSettings& s,
                      const HtmlPageHeader& header);
bool export_table_html(CalcContext& ctx, const std::string& path, const HtmlPageHeader& header);

// Delimited text: one line per record not marked as deleted, fields separated by ",",
// character and date fields in double quotes (a quote inside doubled), CR LF, code page 850.
void write_table_delimited(std::ostream& out, const TableObject& table);
bool export_table_delimited(CalcContext& ctx, const std::string& path);
// Appends the lines of a delimited text by field position. Every line is checked before the first
// is appended, so a faulty line leaves the table unchanged.
bool import_delimited(CalcContext& ctx, std::istream& in);
bool import_delimited_file(CalcContext& ctx, const std::string& path);
// Appends the records (not marked as deleted) of another table, fields matched by name.
bool append_from_table(CalcContext& ctx, const std::string& path);

// Splits one delimited line; false when a quote is not closed.
bool split_delimited(const std::string& line, std::vector<std::string>& values);

}  // namespace vx11
