// Plain text (channels 1 to 5 and 8): 72-column lines behind a margin of seven blanks, pages of
// the configured length with framed headers, rules by the configured separator mode.
#pragma once

#include "report/line_formatter.h"

namespace vx11 {

// How the channel treats the paper.
struct PlainPaging {
  bool pause = false;             // asks for the next sheet before each page header
  bool form_feeds = false;        // page ends and the end of a compressed printout feed the paper
  bool feed_ends_line = false;    // a page end's form feed is followed by a line end
};

class PlainFormatter final : public LineFormatter {
 public:
  PlainFormatter(PrintoutParts parts, PlainPaging paging) : LineFormatter(parts), paging_(paging) {}

  // These three also run from within a line (a rule after a value, a page break), after which
  // writing may have stopped; they then do nothing.
  void body(std::string_view text, bool line_end) override;
  void page_header(int page, int heads_mode) override;
  void page_end() override;

  void wrapped_text(std::string_view text) override;  // texts of 73 characters or more wrap at 64
  void value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                  std::string_view value) override;
  void pair_line(std::string_view label, std::string_view symbol, std::string_view unit, std::string_view first,
                 std::string_view second) override;
  void finish() override;

 private:
  void put_counted(std::string_view line, bool line_end = true);  // the skip marker is never written
  void page_break_check();
  void rule_below();  // the single rule under a value or pair, left out when compressed
  int lines_per_page() const;
  bool first_page_only() const;

  PlainPaging paging_;
  int heads_mode_ = 0;
  bool fresh_page_ = false;  // a page end has just started a new page
};

}  // namespace vx11
