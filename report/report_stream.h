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
#include "report/report_layout.h"
#include "report/report_outlets.h"
#include "base/help_numbers.h"

namespace vx11 {

// Channel numbers ("Text Device").
inline constexpr int kChannelScreen = 1;
inline constexpr int kChannelTextPrinter = 2;
inline constexpr int kChannelFile = 3;
inline constexpr int kChannelPrinter = 4;
inline constexpr int kChannelTextProgram = 5;
inline constexpr int kChannelTabFile = 6;
inline constexpr int kChannelHtml = 7;
inline constexpr int kChannelDosFile = 8;
inline constexpr int kChannelBatchTabFile = 9;  // command-line mode: converted copy named after the input
inline constexpr int kChannelChoiceOnly = 90;   // open only prepares the choice list

// The program state the stream reads and the places it hands over to.
struct ReportContext {
  const Configuration& config;   // channel, lines per page, separator mode, header mode, folders, programs
  const FormatSettings& format;  // date texts, decimal sign of tab-separated files, code-page conversion
  const ProgramIdentity& identity;
  Interaction& ui;
  ReportOutlets& outlets;
  int& help_number;
  bool& cancelled;  // the program's abort flag
  // The run's private folder for the channels' temporary files, asked for when a file is made;
  // without one, the configured temporary folder.
  std::function<std::string()> private_folder = nullptr;
};

// What the page headers show about the input; set before open.
struct ReportSource {
  std::string owner_line;        // second framed header line
  std::string data_directory;    // folder of the input file
  std::string file_name;         // current input file name (also the default output name)
  std::string data_extension = "vxk";
  std::array<std::string, 3> info_text;  // the input's information lines (tab-separated header)
  std::string working_folder;    // where the printer set-up file "TEXT.KVP" is looked for
  std::string output_folder;     // where an output named after the input goes; "" is the current folder
  std::optional<std::tm> when;   // date and time of the headers; the current time when empty
};

class ReportStream {
 public:
  explicit ReportStream(ReportContext context);

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
  int channel() const { return channel_; }
  int line_count() const { return line_count_; }
  int page_count() const { return page_count_; }
  int txt_counter() const { return txt_counter_; }
  bool plain() const;
  // The channels whose stream file is the code page 850 output itself (printer port, chosen file,
  // tab-separated file, "OUTDOS.TXT"), not a file the program converts for the window.
  bool keeps_code_page_850() const;                                  // channels 1 to 5 and 8
  bool tab_separated() const { return channel_ == kChannelTabFile || channel_ == kChannelBatchTabFile; }
  const std::string& stream_path() const { return stream_path_; }
  // The converted copy the last close wrote (empty when the channel makes none).
  const std::string& converted_path() const { return converted_path_; }

 private:
  bool choose_channel(int channel);
  bool open_target();
  bool open_chosen_file(const char* extension, const std::string& title);
  bool try_create(const std::string& path, bool kept = false);
  bool create_target(const std::string& path, bool kept = false);
  bool create_temporary_out();
  void abort();
  void hand_over();

  void body(std::string_view text, bool line_end);
  void put(std::string_view line, bool line_end = true);
  void put_plain(std::string_view line, bool line_end = true);
  void page_break_check();
  void open_table();
  void close_table();
  void plain_page_header(int page, int heads_mode);
  void html_page_header();
  void tab_page_header();
  std::string temp_folder() const;
  std::string configured_temp_folder() const;
  std::tm now() const;
  int lines_per_page() const;
  int mode() const { return context_.config.text_print_mode; }
  bool first_page_only() const { return context_.config.header_mode == 2; }
  void start_program(const std::string& program, const std::string& file);

  ReportContext context_;
  ReportSource source_;
  bool clipboard_mode_ = false;

  std::ofstream file_;
  // The batch channel's text stays in memory: only its converted copy is a file, so runs side by
  // side never share a scratch file. A file the person keeps (a chosen file) is gathered in memory
  // too and replaces an older file of its name only once it is complete.
  std::ostringstream memory_;
  bool kept_ = false;
  bool in_memory() const { return to_file_ && (channel_ == kChannelBatchTabFile || kept_); }
  std::ostream* out_ = nullptr;
  bool to_file_ = false;
  bool open_ = false;
  bool stopped_ = false;  // a question was cancelled or a write failed
  int channel_ = 0;
  int line_count_ = 0;
  int page_count_ = 0;
  int heads_mode_ = 0;
  bool fresh_page_ = false;  // a page end has just started a new page
  bool pause_ = false;
  bool table_open_ = false;
  int txt_counter_ = 0;
  std::string stream_path_ = "$out.tmp";
  std::string output_name_;
  std::string converted_path_;

  std::string title_;
  std::array<std::string, 4> header_lines_;
  int total_pages_ = 0;
  std::string heads_title_;
  std::array<std::string, 4> heads_{"Zeichen", "Einheit", "1", "2"};
};

// The device of a printer port number: 1..4 are /dev/lp0../dev/lp3.
std::string printer_port_device(int port);

}  // namespace vx11
