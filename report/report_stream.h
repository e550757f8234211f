// The one writer of every text printout (report, excerpt, messages, change log) and its nine channels.
//
// Use:
//   ReportStream stream(context);            // lives for the program run (it keeps the TXT counter)
//   stream.set_source(source);               // owner line, input file, info texts, date
//   if (!stream.open(0, "")) return;         // channel 0: the configured one (asked when so set)
//   stream.set_page_header("", line1, line2, line3, line4, total_pages);
//   stream.set_column_heads("", "Zeichen", "Einheit", "Welle", "Nabe");
//   stream.page_header(0, 1);                // page number 0 = next, column heads on
//   stream.heading("Abmessungen");
//   stream.value_line("Wellendurchmesser", "d", "mm", fmtFixed(format, 6, 2, d));
//   stream.pair_line("Streckgrenze", "Re", "MPa", shaft, hub);
//   stream.page_end();
//   stream.close();                          // hand-over: window, program, printer, converted copy
//
// Every text is code page 850. Plain channels (1 to 5, 8) write 72-column lines behind a margin of
// seven blanks with pagination and framed page headers; channels 6 and 9 write tab-separated lines
// without rules, frames or page ends; channel 7 writes HTML (converted to UTF-8). Writers test the
// program's abort flag after each step: a cancelled question or a failed write sets it, and the
// stream then ignores further lines until the next open.
#pragma once

#include <functional>
#include <array>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/configuration_record.h"
#include "base/identity.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "report/channel_target.h"
#include "report/line_formatter.h"
#include "report/report_context.h"
#include "report/report_layout.h"
#include "report/report_outlets.h"
#include "base/help_numbers.h"

namespace vx11 {

class ReportStream {
 public:
  explicit ReportStream(ReportContext context);
  // The open channel's formatter and target refer to the stream's own members.
  ReportStream(const ReportStream&) = delete;
  ReportStream& operator=(const ReportStream&) = delete;

  // The seven names of the channel choice ("Ausgabe auf ..").
  static const std::vector<std::string>& channel_names();

  void set_source(ReportSource source) { source_ = std::move(source); }
  const ReportSource& source() const { return source_; }
  // Channel 1 copies to the clipboard instead of showing the window.
  void set_clipboard_mode(bool on) { clipboard_mode_ = on; }

  // Chooses the channel and its target and creates it. channel 0 = the configured "Text Device"
  // (asked when "Text Device Window ?" is set), 1..9 forced, 90 only prepares the choice list.
  // `name` is the output name (empty: the input file name; ".txt" added when it has no "."); it
  // names the converted copy of channel 9 and presets the file dialogs. With `into`, lines go to
  // that stream instead of a file and close hands nothing over (tests, in-memory output).
  // False when nothing is to be written; a cancel or failure also sets the abort flag.
  bool open(int channel, std::string_view name = {}, std::ostream* into = nullptr);

  // Header items, each cut to 65 characters; an empty title is the program title, "  V" and the
  // version. Resets the page and line counters.
  void set_page_header(std::string_view title, std::string_view line1, std::string_view line2,
                       std::string_view line3, std::string_view line4, int total_pages = 0);
  // Column heads of pair lines and page headers (title 30 characters, heads 10 each).
  void set_column_heads(std::string_view title, std::string_view symbol, std::string_view unit,
                        std::string_view first, std::string_view second);

  // A page header; page 0 = the next page; heads_mode 1 adds the column-heads line.
  void page_header(int page = 0, int heads_mode = 0);
  void page_end();

  void body_line(std::string_view text);  // the skip marker is never written
  void body_text(std::string_view text);  // as body_line, without line end
  void text_line(std::string_view text);  // HTML: a one-cell table row
  void wrapped_text(std::string_view text);  // plain channels wrap texts of 73 characters or more at 64
  void value_line(std::string_view label, std::string_view symbol, std::string_view unit, std::string_view value);
  void pair_line(std::string_view label, std::string_view symbol, std::string_view unit, std::string_view first,
                 std::string_view second);
  void heading(std::string_view text);  // body line and a single rule
  void rule(Rule kind);                 // the rule of the configured separator mode as a body line
  std::string rule_text(Rule kind) const;

  // Finishes the output and runs the channel's hand-over.
  void close();

  bool is_open() const { return open_; }
  int channel() const { return target_.channel(); }
  int line_count() const { return counters_.lines; }
  int page_count() const { return counters_.pages; }
  int txt_counter() const { return target_.txt_counter(); }
  bool plain() const { return target_.plain(); }
  // The channels whose stream file is the code page 850 output itself (printer port, chosen file,
  // tab-separated file, "OUTDOS.TXT"), not a file the program converts for the window.
  bool keeps_code_page_850() const { return target_.keeps_code_page_850(); }
  bool tab_separated() const { return target_.tab_separated(); }
  const std::string& stream_path() const { return target_.path(); }
  // The converted copy the last close wrote (empty when the channel makes none).
  const std::string& converted_path() const { return target_.converted_path(); }

 private:
  void body(std::string_view text, bool line_end);
  // Lines are written while the channel is open, has a form and writing has not stopped.
  bool writing() const { return open_ && formatter_ && !target_.stopped(); }
  std::unique_ptr<LineFormatter> make_formatter();

  ReportContext context_;
  ReportSource source_;
  bool clipboard_mode_ = false;
  ChannelTarget target_{context_};  // keeps the TXT counter over the opens
  PrintoutHeader header_;
  PageCounters counters_;
  std::unique_ptr<LineFormatter> formatter_;  // the open channel's kind of lines
  bool open_ = false;
};

}  // namespace vx11
