// The messages of a run with their causes and remedies: the last section of the report and the
// message printout of the View menu.
#pragma once

#include <string>

#include "base/message_list.h"
#include "report/printout.h"
#include "report/report_stream.h"

namespace vx11 {

inline constexpr const char* kMessageSectionHeading = "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN";

// Writes the section into the open stream (nothing without messages): tab-separated one line per
// message, plain text with wrapped causes and remedies, HTML one table per message.
// `description_source` is the description file.
void writeMessageSection(ReportStream& stream, const MessageList& messages, const std::string& description_source);

// The message list with causes and remedies on the screen channel (one page, "Error Messages").
// Without messages only the success note; after a fatal run the message dialog instead.
void printMessages(PrintoutContext& p, PrintTarget target = {kChannelScreen, nullptr});

}  // namespace vx11
