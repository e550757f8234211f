// Tab-separated lines (channels 6 and 9): a short header once, values with the file's decimal
// sign, no rules, frames or page ends.
#pragma once

#include "report/line_formatter.h"

namespace vx11 {

class TabFormatter final : public LineFormatter {
 public:
  using LineFormatter::LineFormatter;

  void body(std::string_view text, bool line_end) override;
  void value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                  std::string_view value) override;
  void pair_line(std::string_view label, std::string_view symbol, std::string_view unit, std::string_view first,
                 std::string_view second) override;
  void page_header(int page, int heads_mode) override;
};

}  // namespace vx11
