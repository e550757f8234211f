#include "report/plain_formatter.h"

#include "base/format.h"
#include "base/paths.h"
#include "base/text.h"
#include "report/report_layout.h"

namespace vx11 {

namespace {

constexpr const char* kMargin = "       ";
constexpr std::size_t kLineWidth = 72;
constexpr std::size_t kWrapFrom = 73;
constexpr int kWrapWidth = 64;

}  // namespace

int PlainFormatter::lines_per_page() const { return context().config.lines_per_page; }

bool PlainFormatter::first_page_only() const { return context().config.header_mode == 2; }

void PlainFormatter::put_counted(std::string_view line, bool line_end) {
  if (line == kSkipMarker) return;
  put(line, line_end);
  ++counters().lines;
}

void PlainFormatter::page_break_check() {
  if (counters().lines < lines_per_page()) return;
  if (first_page_only()) {
    put("\f");
    counters().lines = 0;
    return;
  }
  page_end();
  page_header(0, heads_mode_);
  put_counted("");
}

void PlainFormatter::body(std::string_view text, bool line_end) {
  if (sink().stopped() || text == kSkipMarker) return;
  page_break_check();
  put_counted(kMargin + std::string(text), line_end);
  fresh_page_ = false;
}

void PlainFormatter::wrapped_text(std::string_view text) {
  if (text.size() < kWrapFrom) return text_line(text);
  for (const auto& line : wrapText(text, ' ', kWrapWidth).lines) text_line(line);
}

void PlainFormatter::rule_below() {
  if (mode() != kRuleCompressed) body(rule_line(Rule::Single, mode()), true);
}

void PlainFormatter::value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                                std::string_view value) {
  body(columns_line({{1, label}, {35, symbol}, {44, unit}, {56, value}}, kLineWidth), true);
  rule_below();
}

void PlainFormatter::pair_line(std::string_view label, std::string_view symbol, std::string_view unit,
                               std::string_view first, std::string_view second) {
  body(columns_line({{1, label}, {35, symbol}, {44, unit}, {51, first}, {62, second}}, kLineWidth), true);
  rule_below();
}

void PlainFormatter::page_header(int page, int heads_mode) {
  if (sink().stopped()) return;
  const Configuration& c = context().config;
  if (paging_.pause &&
      context().ui.ask_yes_no_cancel(context().identity.title, "Blatt in Drucker einlegen.  Fortfahren ?") !=
          Answer::Yes) {
    sink().stop();
    return;
  }
  PageCounters& count = counters();
  if (first_page_only() && count.pages > 0) {
    put_counted("");
    return;
  }
  const int m = mode();
  // Compressed output starts a page only when the last one was at least half full.
  if (m == kRuleCompressed && count.pages > 0 && !fresh_page_ && count.lines < lines_per_page() / 2) return;
  count.lines = 0;
  fresh_page_ = false;
  heads_mode_ = heads_mode;
  ++count.pages;
  if (page == 0) page = count.pages;
  if (m == kRuleCompressed) put_counted("");
  for (int i = 0; i < c.header_space_lines; ++i) put_counted("");

  const PrintoutHeader& h = header();
  const ReportSource& s = source();
  const auto framed = [&](std::initializer_list<std::pair<int, std::string_view>> texts) {
    put_counted(kMargin + framed_line(m, texts));
  };
  const auto ruled = [&](Rule r) {
    const std::string line = rule_line(r, m);
    if (line != kSkipMarker) put_counted(kMargin + line);
  };
  ruled(Rule::FrameTop);
  if (first_page_only()) {
    framed({{6, h.title}});
  } else if (h.total_pages > 0) {
    const std::string number = "Bl." + fmtIntBlank(page, 2) + "/" + fmtIntBlank(h.total_pages, 2);
    framed({{6, h.title}, {60, number}});
  } else {
    framed({{6, h.title}, {64, "Bl." + fmtIntBlank(page, 2)}});
  }
  const std::tm when = now();
  framed({{6, s.owner_line}, {53, dateText(context().format, when)}, {64, timeText(when)}});
  const std::string folder = with_slash(s.data_directory);
  const std::string file = s.file_name + "." + s.data_extension;
  put_counted(kMargin + framed_name_line(m, 6, folder.size() + s.file_name.size() < 70 ? folder + file : file));
  ruled(Rule::FrameMiddle);
  for (int i = 0; i < 4; ++i)
    if (i < 3 || !h.lines[3].empty()) framed({{6, h.lines[i]}});
  if (heads_mode == 1) {
    ruled(Rule::FrameMiddle);
    const char side = frame_side(m);
    std::string heads = columns_line({{1, std::string(1, side)}, {2, h.heads_title}, {35, h.heads[0]},
                                      {44, h.heads[1]}, {51, h.heads[2]}, {62, h.heads[3]}},
                                     69);
    put_counted(kMargin + heads + side);
    ruled(Rule::FrameBottom);
    put_counted("");
  } else {
    ruled(Rule::FrameBottom);
  }
}

void PlainFormatter::page_end() {
  if (sink().stopped()) return;
  if (mode() == kRuleCompressed && counters().lines < lines_per_page() / 2) return;
  if (paging_.form_feeds) put("\f", paging_.feed_ends_line);
  counters().lines = 0;
  fresh_page_ = true;
}

// A compressed or first-page-only printout has no page ends of its own: the paper is fed once.
void PlainFormatter::finish() {
  if (paging_.form_feeds && counters().lines > 0 && (first_page_only() || mode() == kRuleCompressed))
    put("\f", false);
}

}  // namespace vx11
