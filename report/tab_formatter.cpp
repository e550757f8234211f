#include "report/tab_formatter.h"

#include "base/format.h"
#include "base/text.h"
#include "report/report_layout.h"

namespace vx11 {

void TabFormatter::body(std::string_view text, bool line_end) {
  if (!is_rule_or_skip(text, mode())) put(text, line_end);
}

void TabFormatter::value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                              std::string_view value) {
  const FormatSettings& format = context().format;
  put(std::string(label) + "\t" + std::string(symbol) + "\t" + std::string(unit) + "\t" +
      toFileDecimal(format, value));
}

void TabFormatter::pair_line(std::string_view label, std::string_view symbol, std::string_view unit,
                             std::string_view first, std::string_view second) {
  const FormatSettings& format = context().format;
  put(std::string(label) + "\t" + std::string(symbol) + "\t" + std::string(unit) + "\t" +
      toFileDecimal(format, first) + "\t" + toFileDecimal(format, second));
}

// Only the first page has a header: program, date and time, the file name and the input's info lines.
void TabFormatter::page_header(int, int) {
  if (counters().pages > 0) return;
  const ProgramIdentity& id = context().identity;
  const std::tm when = now();
  put(id.title + " V" + id.version + "\t" + dateText(context().format, when) + "\t" + timeText(when));
  put(nameText(removeBlanks(sink().path())));
  for (const auto& info : source().info_text) put(info);
  put(" ");
  ++counters().pages;
}

}  // namespace vx11
