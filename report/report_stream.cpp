#include "report/report_stream.h"

#include "calc/connection_record.h"
#include "report/channel_choice.h"
#include "report/channel_hand_over.h"
#include "report/html_formatter.h"
#include "report/plain_formatter.h"
#include "report/tab_formatter.h"

namespace vx11 {

namespace {

constexpr std::size_t kHeaderLength = 65;

}  // namespace

ReportStream::ReportStream(ReportContext context) : context_(context) {}

const std::vector<std::string>& ReportStream::channel_names() { return channel_choice_names(); }

// ---- open ------------------------------------------------------------------------------------

bool ReportStream::open(int channel, std::string_view name, std::ostream* into) {
  open_ = false;
  formatter_.reset();
  target_.reset(into == nullptr);
  counters_ = {};
  target_.set_output_name(printout_output_name(source_, name));
  if (channel == kChannelChoiceOnly) return false;
  if (!choose_channel(context_, channel, target_)) return false;
  if (into) target_.write_to(into);
  if (!open_channel_target(context_, source_, target_)) {
    target_.write_to(nullptr);
    return false;
  }
  formatter_ = make_formatter();
  open_ = true;
  return true;
}

// The form of the lines follows the channel; a channel without a target has none.
std::unique_ptr<LineFormatter> ReportStream::make_formatter() {
  const PrintoutParts parts{context_, source_, header_, target_, counters_};
  const int channel = target_.channel();
  if (target_.plain()) {
    const bool feeds = channel == kChannelScreen || channel == kChannelTextPrinter || channel == kChannelPrinter;
    // The printer port takes the form feed without a line end.
    return std::make_unique<PlainFormatter>(parts, PlainPaging{target_.pause(), feeds, channel != kChannelTextPrinter});
  }
  if (channel == kChannelHtml) return std::make_unique<HtmlFormatter>(parts);
  if (target_.tab_separated()) return std::make_unique<TabFormatter>(parts);
  return nullptr;
}

// ---- header items ----------------------------------------------------------------------------

void ReportStream::set_page_header(std::string_view title, std::string_view line1, std::string_view line2,
                                   std::string_view line3, std::string_view line4, int total_pages) {
  header_.title = cut_text(title, kHeaderLength);
  if (header_.title.empty()) header_.title = context_.identity.title + "  V" + context_.identity.version;
  header_.lines = {cut_text(line1, kHeaderLength), cut_text(line2, kHeaderLength), cut_text(line3, kHeaderLength),
                   cut_text(line4, kHeaderLength)};
  header_.total_pages = total_pages;
  counters_ = {};
}

void ReportStream::set_column_heads(std::string_view title, std::string_view symbol, std::string_view unit,
                                    std::string_view first, std::string_view second) {
  header_.heads_title = cut_text(title, 30);
  header_.heads = {cut_text(symbol, 10), cut_text(unit, 10), cut_text(first, 10), cut_text(second, 10)};
}

// ---- writing ---------------------------------------------------------------------------------

std::string ReportStream::rule_text(Rule kind) const { return rule_line(kind, context_.config.text_print_mode); }

void ReportStream::rule(Rule kind) { body_line(rule_text(kind)); }

void ReportStream::body_line(std::string_view text) { body(text, true); }

void ReportStream::body_text(std::string_view text) { body(text, false); }

void ReportStream::body(std::string_view text, bool line_end) {
  if (writing()) formatter_->body(text, line_end);
}

void ReportStream::text_line(std::string_view text) {
  if (writing()) formatter_->text_line(text);
}

void ReportStream::wrapped_text(std::string_view text) {
  if (writing()) formatter_->wrapped_text(text);
}

void ReportStream::heading(std::string_view text) {
  body_line(text);
  rule(Rule::Single);
}

void ReportStream::value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                              std::string_view value) {
  if (writing()) formatter_->value_line(label, symbol, unit, value);
}

void ReportStream::pair_line(std::string_view label, std::string_view symbol, std::string_view unit,
                             std::string_view first, std::string_view second) {
  if (writing()) formatter_->pair_line(label, symbol, unit, first, second);
}

// ---- pages -----------------------------------------------------------------------------------

void ReportStream::page_header(int page, int heads_mode) {
  if (writing()) formatter_->page_header(page, heads_mode);
}

void ReportStream::page_end() {
  if (writing()) formatter_->page_end();
}

// ---- close -----------------------------------------------------------------------------------

void ReportStream::close() {
  if (!open_) return;
  if (writing()) formatter_->finish();
  const bool hand = target_.finish();
  open_ = false;
  if (hand) hand_over_printout(context_, target_, clipboard_mode_);
}

}  // namespace vx11
