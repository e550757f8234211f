// The form of a printout's lines on one kind of channel: plain text, tab-separated or HTML. The
// report stream chooses the formatter when a channel opens and hands it every line; the formatter
// writes through the channel's sink and keeps the page state of its kind.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "report/report_context.h"

namespace vx11 {

// Where formatted lines go: the open channel, which writes them in its code page.
class LineSink {
 public:
  virtual void put(std::string_view line, bool line_end = true) = 0;
  // True after a failed write or a cancelled question: further lines are dropped.
  virtual bool stopped() const = 0;
  // A question was cancelled: sets the abort flag and drops further lines.
  virtual void stop() = 0;
  // The name the headers show.
  virtual const std::string& path() const = 0;

 protected:
  ~LineSink() = default;
};

// The page header items and column heads, set before or between pages.
struct PrintoutHeader {
  std::string title;
  std::array<std::string, 4> lines;
  int total_pages = 0;
  std::string heads_title;
  std::array<std::string, 4> heads{"Zeichen", "Einheit", "1", "2"};
};

// The lines and pages written since the header items were set; the stream reports them.
struct PageCounters {
  int lines = 0;
  int pages = 0;
};

// What every formatter reads and writes besides its own state. The configuration is read at each
// line, so a changed setting counts from the next line on.
struct PrintoutParts {
  const ReportContext& context;
  const ReportSource& source;
  const PrintoutHeader& header;
  LineSink& sink;
  PageCounters& counters;
};

// The stream calls these only while its channel is open and writing has not stopped.
class LineFormatter {
 public:
  explicit LineFormatter(PrintoutParts parts) : parts_(parts) {}
  virtual ~LineFormatter() = default;
  LineFormatter(const LineFormatter&) = delete;
  LineFormatter& operator=(const LineFormatter&) = delete;

  virtual void body(std::string_view text, bool line_end) = 0;
  virtual void text_line(std::string_view text) { body(text, true); }
  virtual void wrapped_text(std::string_view text) { text_line(text); }
  virtual void value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                          std::string_view value) = 0;
  virtual void pair_line(std::string_view label, std::string_view symbol, std::string_view unit,
                         std::string_view first, std::string_view second) = 0;
  virtual void page_header(int page, int heads_mode) = 0;
  virtual void page_end() {}
  // The closing lines, written before the channel closes.
  virtual void finish() {}

 protected:
  void put(std::string_view line, bool line_end = true) { parts_.sink.put(line, line_end); }
  LineSink& sink() { return parts_.sink; }
  PageCounters& counters() { return parts_.counters; }
  const PrintoutHeader& header() const { return parts_.header; }
  const ReportSource& source() const { return parts_.source; }
  const ReportContext& context() const { return parts_.context; }
  int mode() const { return parts_.context.config.text_print_mode; }  // the separator mode
  // The date and time of the headers.
  std::tm now() const;

 private:
  PrintoutParts parts_;
};

}  // namespace vx11
