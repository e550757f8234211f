#include "report/report_stream.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "base/file_create.h"
#include "calc/connection_record.h"
#include "base/paths.h"
#include "base/safe_file.h"
#include "base/format.h"
#include "base/text.h"
#include "report/window_copy.h"

namespace vx11 {

namespace {

constexpr const char* kEol = "\r\n";
constexpr const char* kMargin = "       ";
constexpr std::size_t kHeaderLength = 65;
constexpr std::size_t kLineWidth = 72;
constexpr std::size_t kWrapFrom = 73;
constexpr int kWrapWidth = 64;
constexpr const char* kTableStart = "<TABLE BORDER = \"2\" WIDTH= \"100%\">";

// Text inside an HTML comment: "--" would end it early, and markup after it would count.
std::string comment_text(std::string text) {
  for (auto at = text.find("--"); at != std::string::npos; at = text.find("--", at)) text.replace(at, 2, "- -");
  return htmlEscaped(text);
}

bool exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

void remove_file(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

// A file can be made under the name: its folder takes files and the name is not a folder.
bool can_create(const std::string& path) {
  const std::filesystem::path p(path);
  const std::string folder = p.has_parent_path() ? p.parent_path().string() : std::string(".");
  std::error_code ec;
  return !std::filesystem::is_directory(p, ec) && std::filesystem::is_directory(folder, ec) &&
         ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace

std::string printer_port_device(int port) { return "/dev/lp" + std::to_string(port - 1); }

ReportStream::ReportStream(ReportContext context) : context_(context) {}

const std::vector<std::string>& ReportStream::channel_names() {
  static const std::vector<std::string> names = {
      "Bildschirm", "Textdrucker", "Datei", "Windows-Drucker", "externes Textprogramm",
      "TXT File (Excel, QPRO ...)", "HTML File (Netscape, Internet Explorer ...)"};
  return names;
}

bool ReportStream::plain() const {
  return (channel_ >= kChannelScreen && channel_ <= kChannelTextProgram) || channel_ == kChannelDosFile;
}

bool ReportStream::keeps_code_page_850() const {
  return channel_ == kChannelTextPrinter || channel_ == kChannelFile || channel_ == kChannelTabFile ||
         channel_ == kChannelDosFile;
}

std::string ReportStream::temp_folder() const {
  if (context_.private_folder)
    if (const std::string folder = context_.private_folder(); !folder.empty()) return with_slash(folder);
  return configured_temp_folder();
}

std::string ReportStream::configured_temp_folder() const {
  const std::string& t = context_.config.temp_folder;
  return trimBlanks(t).empty() ? temporary_folder() : with_slash(t);
}

std::tm ReportStream::now() const {
  if (source_.when) return *source_.when;
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

int ReportStream::lines_per_page() const { return context_.config.lines_per_page; }

// ---- open ------------------------------------------------------------------------------------

bool ReportStream::open(int channel, std::string_view name, std::ostream* into) {
  if (file_.is_open()) file_.close();
  open_ = false;
  out_ = nullptr;
  to_file_ = into == nullptr;
  stopped_ = false;
  table_open_ = false;
  fresh_page_ = false;
  heads_mode_ = 0;
  line_count_ = 0;
  page_count_ = 0;
  kept_ = false;
  converted_path_.clear();

  // Named after the input: its name without extension (which may hold dots of its own) and ".txt".
  if (name.empty()) {
    output_name_ = with_slash(source_.output_folder) + source_.file_name + ".txt";
  } else {
    output_name_ = std::string(name);
    if (std::filesystem::path(output_name_).filename().string().find('.') == std::string::npos) output_name_ += ".txt";
  }
  if (channel == kChannelChoiceOnly) return false;
  if (!choose_channel(channel)) return false;
  if (into) out_ = into;
  if (!open_target()) {
    out_ = nullptr;
    return false;
  }
  open_ = true;
  return true;
}

bool ReportStream::choose_channel(int channel) {
  channel_ = context_.config.text_device;
  context_.help_number = kHelpChannelChoice;
  if (channel != 0) {
    channel_ = channel;
  } else if (context_.config.text_device_window) {
    const auto& names = channel_names();
    const int preset = channel_ >= 1 && channel_ <= static_cast<int>(names.size()) ? channel_ - 1 : 0;
    const auto chosen = context_.ui.choose("Ausgabe auf ..", names, preset);
    if (!chosen) {
      context_.cancelled = true;
      return false;
    }
    channel_ = *chosen + 1;
  }
  return true;
}

bool ReportStream::open_target() {
  // Asked for only where a file is made: a text kept in memory needs no temporary folder.
  const auto temp = [this] { return temp_folder(); };
  switch (channel_) {
    case kChannelTextPrinter: {
      context_.help_number = kHelpTextPrinter;
      const Answer pause = context_.ui.ask_yes_no_cancel(context_.identity.title, "Pause nach jeder Seite ?");
      if (pause == Answer::Cancel) {
        abort();
        return false;
      }
      pause_ = pause == Answer::Yes;
      stream_path_ = printer_port_device(context_.config.printer_port);
      if (!create_target(stream_path_)) return false;
      // The printer set-up sequence goes out unchanged before the text.
      std::ifstream setup(with_slash(source_.working_folder) + "TEXT.KVP", std::ios::binary);
      if (setup.is_open() && setup.peek() != std::char_traits<char>::eof()) *out_ << setup.rdbuf();
      return true;
    }
    case kChannelFile:
      pause_ = false;
      return open_chosen_file("txt", channel_names()[kChannelFile - 1]);
    case kChannelTabFile:
      if (context_.config.text_device_window) return open_chosen_file("txt", channel_names()[kChannelTabFile - 1]);
      context_.help_number = kHelpOutputFile;
      return create_target(temp() + "$$$" + std::to_string(txt_counter_ + 1) + ".txt");
    case kChannelBatchTabFile:
      context_.help_number = kHelpOutputFile;
      // The name its header shows: the scratch name of the configured folder, the same in every
      // run, although the text never goes there.
      stream_path_ = configured_temp_folder() + "$$$" + std::to_string(txt_counter_ + 1) + ".txt";
      if (in_memory()) {
        memory_.str({});
        memory_.clear();
        out_ = &memory_;
      }
      return true;
    case kChannelHtml:
      if (trimBlanks(context_.config.html_browser).empty())
        return open_chosen_file("htm", channel_names()[kChannelHtml - 1]);
      context_.help_number = kHelpOutputFile;
      return create_target(temp() + lower(context_.identity.short_name) + ".htm");
    case kChannelScreen:
    case kChannelPrinter:
    case kChannelTextProgram:
      pause_ = false;
      return create_temporary_out();
    case kChannelDosFile:
      pause_ = false;
      return create_target(temp() + "OUTDOS.TXT");
    default:
      return true;  // no target: the counters are reset and nothing is written
  }
}

bool ReportStream::open_chosen_file(const char* extension, const std::string& title) {
  context_.help_number = kHelpOutputFile;
  std::string name = output_name_;
  if (const auto dot = name.rfind('.'); dot != std::string::npos) name = name.substr(0, dot);
  name += std::string(".") + extension;
  const auto chosen = context_.ui.save_file(title, source_.data_directory, name, std::string("*.") + extension);
  if (!chosen || trimBlanks(*chosen).empty()) {
    abort();
    return false;
  }
  std::string path = *chosen;
  if (std::filesystem::path(path).filename().string().find('.') == std::string::npos)
    path += std::string(".") + extension;
  if (exists(path)) {
    const std::string question =
        nameText(path) + " " + "existiert bereits" + ".   " + "\x81" "berschreiben" + " ?";
    if (context_.ui.ask_yes_no_cancel(context_.identity.title, question) != Answer::Yes) {
      abort();
      return false;
    }
  }
  return create_target(path, true);
}

// The one place a stream file is created. A kept file is only checked here; close writes it.
bool ReportStream::try_create(const std::string& path, bool kept) {
  stream_path_ = path;
  if (!to_file_) return true;
  if (kept) {
    if (!can_create(path)) return false;
    memory_.str({});
    memory_.clear();
    kept_ = true;
    out_ = &memory_;
    return true;
  }
  file_.open(path, std::ios::binary | std::ios::trunc);
  if (!file_.is_open()) {
    file_.clear();
    return false;
  }
  out_ = &file_;
  return true;
}

bool ReportStream::create_target(const std::string& path, bool kept) {
  if (try_create(path, kept)) return true;
  context_.ui.message(kCaptionError, "Ung\x81" "ltiger Dateiname \"" + nameText(path) + "\" !");
  abort();
  return false;
}

bool ReportStream::create_temporary_out() {
  const std::string temp = temp_folder();
  for (int i = 1; i <= 10; ++i)
    if (try_create(temp + "$OUT" + std::to_string(i) + ".TMP")) return true;
  return create_target(stream_path_);  // the last name tried; reports the failure
}

void ReportStream::abort() {
  context_.cancelled = true;
  stopped_ = true;
}

// ---- header items ----------------------------------------------------------------------------

void ReportStream::set_page_header(std::string_view title, std::string_view line1, std::string_view line2,
                                   std::string_view line3, std::string_view line4, int total_pages) {
  title_ = cut_text(title, kHeaderLength);
  if (title_.empty()) title_ = context_.identity.title + "  V" + context_.identity.version;
  header_lines_ = {cut_text(line1, kHeaderLength), cut_text(line2, kHeaderLength), cut_text(line3, kHeaderLength),
                   cut_text(line4, kHeaderLength)};
  total_pages_ = total_pages;
  page_count_ = 0;
  line_count_ = 0;
}

void ReportStream::set_column_heads(std::string_view title, std::string_view symbol, std::string_view unit,
                                    std::string_view first, std::string_view second) {
  heads_title_ = cut_text(title, 30);
  heads_ = {cut_text(symbol, 10), cut_text(unit, 10), cut_text(first, 10), cut_text(second, 10)};
}

// ---- writing ---------------------------------------------------------------------------------

void ReportStream::put(std::string_view line, bool line_end) {
  if (!out_ || stopped_) return;
  // A marked file name stays marked in the stream files the program converts itself; a file the
  // person keeps in code page 850 gets the name in that code page.
  if (channel_ == kChannelHtml) *out_ << toWindows(context_.format, line);
  else if (keeps_code_page_850()) *out_ << namesInCodePage850(line);
  else *out_ << line;
  if (line_end) *out_ << kEol;
  if (!*out_) {
    context_.ui.message(kCaptionError, "Schreibfehler: " + nameText(stream_path_));
    abort();
  }
}

void ReportStream::put_plain(std::string_view line, bool line_end) {
  if (line == kSkipMarker) return;
  put(line, line_end);
  ++line_count_;
}

std::string ReportStream::rule_text(Rule kind) const { return rule_line(kind, mode()); }

void ReportStream::rule(Rule kind) { body_line(rule_text(kind)); }

void ReportStream::page_break_check() {
  if (line_count_ < lines_per_page()) return;
  if (first_page_only()) {
    put("\f");
    line_count_ = 0;
    return;
  }
  page_end();
  page_header(0, heads_mode_);
  put_plain("");
}

void ReportStream::body_line(std::string_view text) { body(text, true); }

void ReportStream::body_text(std::string_view text) { body(text, false); }

void ReportStream::body(std::string_view text, bool line_end) {
  if (!open_ || stopped_) return;
  if (tab_separated()) {
    if (!is_rule_or_skip(text, mode())) put(text, line_end);
  } else if (channel_ == kChannelHtml) {
    close_table();
    ++line_count_;
    if (!is_rule_or_skip(text, mode())) put("<br>" + htmlEscaped(text), line_end);
  } else if (plain()) {
    if (text == kSkipMarker) return;
    page_break_check();
    put_plain(kMargin + std::string(text), line_end);
    fresh_page_ = false;
  }
}

void ReportStream::text_line(std::string_view text) {
  if (channel_ != kChannelHtml) return body_line(text);
  if (!open_ || stopped_) return;
  if (!table_open_) open_table();
  put("<TR><TD>" + htmlEscaped(text) + "</TD></TR>");
}

void ReportStream::wrapped_text(std::string_view text) {
  if (!plain() || text.size() < kWrapFrom) return text_line(text);
  for (const auto& line : wrapText(text, ' ', kWrapWidth).lines) text_line(line);
}

void ReportStream::heading(std::string_view text) {
  body_line(text);
  rule(Rule::Single);
}

void ReportStream::value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                              std::string_view value) {
  if (!open_ || stopped_) return;
  const std::string l(label), s(symbol), u(unit), v(value);
  if (tab_separated()) {
    put(l + "\t" + s + "\t" + u + "\t" + toFileDecimal(context_.format, v));
  } else if (channel_ == kChannelHtml) {
    if (!table_open_) open_table();
    put("<TR><TD>" + htmlEscaped(l) + "</TD><TD>" + htmlEscaped(s) + "</TD><TD>" + htmlEscaped(u) +
        "</TD><TD><DIV ALIGN=RIGHT>" + htmlEscaped(v) + "</DIV></TD></TR>");
  } else if (plain()) {
    body_line(columns_line({{1, l}, {35, s}, {44, u}, {56, v}}, kLineWidth));
    if (mode() != kRuleCompressed) rule(Rule::Single);
  }
}

void ReportStream::pair_line(std::string_view label, std::string_view symbol, std::string_view unit,
                             std::string_view first, std::string_view second) {
  if (!open_ || stopped_) return;
  const std::string l(label), s(symbol), u(unit), a(first), b(second);
  if (tab_separated()) {
    put(l + "\t" + s + "\t" + u + "\t" + toFileDecimal(context_.format, a) + "\t" +
        toFileDecimal(context_.format, b));
  } else if (channel_ == kChannelHtml) {
    if (!table_open_) {
      open_table();
      std::string head = "<TR><TD><CENTER>" + htmlEscaped(heads_title_) + "</CENTER></TD>";
      for (const auto& h : heads_) head += "<TD>" + htmlEscaped(h) + "</TD>";
      put(head + "</TR>");
    }
    put("<TR><TD>" + htmlEscaped(l) + "</TD><TD>" + htmlEscaped(s) + "</TD><TD>" + htmlEscaped(u) + "</TD><TD>" +
        htmlEscaped(a) + "</TD><TD>" + htmlEscaped(b) + "</TD></TR>");
  } else if (plain()) {
    body_line(columns_line({{1, l}, {35, s}, {44, u}, {51, a}, {62, b}}, kLineWidth));
    if (mode() != kRuleCompressed) rule(Rule::Single);
  }
}

void ReportStream::open_table() {
  close_table();
  put(kTableStart);
  table_open_ = true;
}

void ReportStream::close_table() {
  if (!table_open_) return;
  put("</TABLE>");
  table_open_ = false;
}

// ---- pages -----------------------------------------------------------------------------------

void ReportStream::page_header(int page, int heads_mode) {
  if (!open_ || stopped_) return;
  if (plain()) plain_page_header(page, heads_mode);
  else if (channel_ == kChannelHtml) html_page_header();
  else if (tab_separated()) tab_page_header();
}

void ReportStream::plain_page_header(int page, int heads_mode) {
  const Configuration& c = context_.config;
  if (pause_ &&
      context_.ui.ask_yes_no_cancel(context_.identity.title, "Blatt in Drucker einlegen.  Fortfahren ?") !=
          Answer::Yes) {
    abort();
    return;
  }
  if (first_page_only() && page_count_ > 0) {
    put_plain("");
    return;
  }
  const int m = mode();
  // Compressed output starts a page only when the last one was at least half full.
  if (m == kRuleCompressed && page_count_ > 0 && !fresh_page_ && line_count_ < lines_per_page() / 2) return;
  line_count_ = 0;
  fresh_page_ = false;
  heads_mode_ = heads_mode;
  ++page_count_;
  if (page == 0) page = page_count_;
  if (m == kRuleCompressed) put_plain("");
  for (int i = 0; i < c.header_space_lines; ++i) put_plain("");

  const auto framed = [&](std::initializer_list<std::pair<int, std::string_view>> texts) {
    put_plain(kMargin + framed_line(m, texts));
  };
  const auto ruled = [&](Rule r) {
    const std::string line = rule_text(r);
    if (line != kSkipMarker) put_plain(kMargin + line);
  };
  ruled(Rule::FrameTop);
  if (first_page_only()) {
    framed({{6, title_}});
  } else if (total_pages_ > 0) {
    const std::string number = "Bl." + fmtIntBlank(page, 2) + "/" + fmtIntBlank(total_pages_, 2);
    framed({{6, title_}, {60, number}});
  } else {
    framed({{6, title_}, {64, "Bl." + fmtIntBlank(page, 2)}});
  }
  const std::tm when = now();
  framed({{6, source_.owner_line}, {53, dateText(context_.format, when)}, {64, timeText(when)}});
  const std::string folder = with_slash(source_.data_directory);
  const std::string file = source_.file_name + "." + source_.data_extension;
  put_plain(kMargin + framed_name_line(m, 6, folder.size() + source_.file_name.size() < 70 ? folder + file : file));
  ruled(Rule::FrameMiddle);
  for (int i = 0; i < 4; ++i)
    if (i < 3 || !header_lines_[3].empty()) framed({{6, header_lines_[i]}});
  if (heads_mode == 1) {
    ruled(Rule::FrameMiddle);
    const char side = frame_side(m);
    std::string heads =
        columns_line({{1, std::string(1, side)}, {2, heads_title_}, {35, heads_[0]}, {44, heads_[1]},
                      {51, heads_[2]}, {62, heads_[3]}},
                     69);
    put_plain(kMargin + heads + side);
    ruled(Rule::FrameBottom);
    put_plain("");
  } else {
    ruled(Rule::FrameBottom);
  }
}

void ReportStream::html_page_header() {
  if (page_count_ > 0) return;
  const ProgramIdentity& id = context_.identity;
  const std::string program = htmlEscaped(id.title + " V" + id.version);
  put("<!-- " + nameText(comment_text(removeBlanks(stream_path_))) + " -->");
  put("<HTML>");
  put(std::string("<head>") + kHtmlCharset + "<title>" + program + "</title></head>");
  put("<BODY BGCOLOR=\"C0C0C0\">");
  put("<hr>");
  put("<br><h4>" + program + "</h4>");
  put("<br><h4>" + htmlEscaped(source_.owner_line) + "</h4>");
  line_count_ += 2;
  put("<hr>");
  for (const auto& line : header_lines_) put("<h5>" + htmlEscaped(line) + "</h5>");
  put("<hr>");
  ++page_count_;
}

void ReportStream::tab_page_header() {
  if (page_count_ > 0) return;
  const ProgramIdentity& id = context_.identity;
  const std::tm when = now();
  put(id.title + " V" + id.version + "\t" + dateText(context_.format, when) + "\t" + timeText(when));
  put(nameText(removeBlanks(stream_path_)));
  for (const auto& info : source_.info_text) put(info);
  put(" ");
  ++page_count_;
}

void ReportStream::page_end() {
  if (!open_ || stopped_ || !plain()) return;
  if (mode() == kRuleCompressed && line_count_ < lines_per_page() / 2) return;
  if (channel_ == kChannelScreen || channel_ == kChannelPrinter) put("\f");
  else if (channel_ == kChannelTextPrinter) put("\f", false);
  line_count_ = 0;
  fresh_page_ = true;
}

// ---- close and hand-over ---------------------------------------------------------------------

void ReportStream::close() {
  if (!open_) return;
  if (!stopped_) {
    const bool ends_with_form_feed =
        channel_ == kChannelScreen || channel_ == kChannelTextPrinter || channel_ == kChannelPrinter;
    if (ends_with_form_feed && line_count_ > 0 && (first_page_only() || mode() == kRuleCompressed)) put("\f", false);
    if (channel_ == kChannelHtml) {
      close_table();
      put("</BODY>");
      put("</HTML>");
    }
  }
  if (out_) out_->flush();
  if (out_ && !*out_ && !stopped_) {
    context_.ui.message(kCaptionError, "Schreibfehler: " + nameText(stream_path_));
    abort();
  }
  const bool hand = to_file_ && (file_.is_open() || in_memory());
  if (file_.is_open()) {
    file_.close();
    if (hand && file_.fail() && !stopped_) {
      context_.ui.message(kCaptionError, "Schreibfehler: " + nameText(stream_path_));
      abort();
    }
  }
  if (hand && kept_ && !stopped_) {
    if (const int err = replace_file(stream_path_, memory_.view()); err != 0) {
      context_.ui.message(kCaptionError, not_written_text(stream_path_, err));
      abort();
    }
  }
  open_ = false;
  out_ = nullptr;
  if (hand && !stopped_) hand_over();
}

void ReportStream::hand_over() {
  const auto temp = [this] { return temp_folder(); };
  const auto convert = [&](const std::string& target) {
    converted_path_ = target;
    const int err = in_memory() ? replace_with_window_copy(context_.format, memory_.view(), target)
                                : (write_window_copy(context_.format, stream_path_, target) ? 0 : EIO);
    if (err == 0) return true;
    context_.ui.message(kCaptionError, not_written_text(target, err));
    context_.cancelled = true;
    return false;
  };
  switch (channel_) {
    case kChannelScreen:
      if (convert(temp() + "outwin.txt"))
        context_.outlets.window.show({converted_path_, stream_path_, clipboard_mode_});
      remove_file(stream_path_);
      break;
    case kChannelFile:
      if (convert(temp() + "outwin.txt"))
        context_.ui.message(kCaptionInfo, nameText(stream_path_) + " " + "und Windows-Datei" + " outwin.txt " +
                                              "wurden angelegt.");
      break;
    case kChannelPrinter:
      context_.outlets.printer.print(stream_path_);
      remove_file(stream_path_);
      break;
    case kChannelTextProgram:
      if (convert(temp() + "outwin.txt")) start_program(context_.config.text_program, converted_path_);
      break;
    case kChannelTabFile:
      ++txt_counter_;
      convert(temp() + "$$" + std::to_string(txt_counter_) + ".txt");
      break;
    case kChannelHtml:
      if (!trimBlanks(context_.config.html_browser).empty())
        start_program(context_.config.html_browser, stream_path_);
      break;
    case kChannelDosFile:
      convert(temp() + "outwin.txt");
      break;
    case kChannelBatchTabFile:
      ++txt_counter_;
      convert(output_name_);
      break;
    default:
      break;
  }
}

void ReportStream::start_program(const std::string& program, const std::string& file) {
  start_with_file(context_.outlets.starter, context_.ui, program, file);
}

}  // namespace vx11
