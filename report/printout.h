// What the printouts of a rating (report, excerpt, message list) share: their context and the
// replay of content lines onto the report stream.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "calc/connection_record.h"
#include "base/identity.h"
#include "base/format_settings.h"
#include "report/message_browser.h"
#include "base/message_list.h"
#include "report/print_lines.h"
#include "report/report_stream.h"
#include "report/result_report_content.h"

namespace vx11 {

struct PrintoutContext {
  ReportStream& stream;
  const ConnectionRecord& rec;  // read only; its abort flag is the stream's `cancelled`
  const MessageList& messages;
  const FormatSettings& format;
  const ProgramIdentity& identity;
  bool& cancelled;
  MessageBrowsing& browsing;  // the message dialog of a fatal run; its files give causes and remedies
};

// Where a printout goes: channel 0 is the configured one; with `into` the lines go to that stream.
// `name` is the output file's name; empty: named after the input.
struct PrintTarget {
  PrintTarget(int channel_ = 0, std::ostream* into_ = nullptr, std::string name_ = {})
      : channel(channel_), into(into_), name(std::move(name_)) {}
  int channel;
  std::ostream* into;
  std::string name;
};

// Stores the header texts and the report's column heads in the stream.
void setPageHeader(ReportStream& stream, const PageHeaderTexts& header);

void writePrintLines(ReportStream& stream, const std::vector<PrintLine>& lines);

}  // namespace vx11
