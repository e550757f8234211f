#include "report/table_print.h"

#include <algorithm>
#include <filesystem>

#include "base/text.h"

namespace vx11 {

namespace {

constexpr int kPrintedFields = 7;
constexpr int kLineWidth = 72;

template <typename Text>
std::string columns(int count, Text&& text) {
  const int width = kLineWidth / count;
  std::string line;
  for (int f = 1; f <= count; ++f) line += padRight(leftPart(text(f), width - 1), width);
  return trimBlanks(line);
}

}  // namespace

bool print_table(ReportStream& stream, const TableObject& table, int channel, std::ostream* into) {
  const int count = std::min(kPrintedFields, table.field_count());
  if (count == 0) return false;
  const std::string name = std::filesystem::path(table.file_name()).stem().string();
  if (!stream.open(channel, name, into)) return false;
  stream.set_page_header("", table.second_title(), table.file_name(), "", "");
  stream.page_header(0, 0);
  stream.body_line(columns(count, [&](int f) { return table.field_name(f); }));
  stream.rule(Rule::Single);
  for (int r : table.records_in_order(false))
    stream.body_line(columns(count, [&](int f) { return table.field_text(r, f); }));
  stream.page_end();
  stream.close();
  return true;
}

}  // namespace vx11
