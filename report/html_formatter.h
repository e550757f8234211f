// HTML lines (channel 7): a page head once, body texts as "<br>" lines, values and pairs as rows
// of a bordered table that the next body text closes.
#pragma once

#include "report/line_formatter.h"

namespace vx11 {

class HtmlFormatter final : public LineFormatter {
 public:
  using LineFormatter::LineFormatter;

  void body(std::string_view text, bool line_end) override;
  void text_line(std::string_view text) override;  // a one-cell table row
  void value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                  std::string_view value) override;
  void pair_line(std::string_view label, std::string_view symbol, std::string_view unit, std::string_view first,
                 std::string_view second) override;
  void page_header(int page, int heads_mode) override;
  void finish() override;

 private:
  void open_table();
  void close_table();

  bool table_open_ = false;
};

}  // namespace vx11
