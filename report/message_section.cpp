#include "report/message_section.h"

#include "report/message_descriptions.h"

namespace vx11 {

void writeMessageSection(ReportStream& stream, const MessageList& messages, const std::string& description_source) {
  if (messages.count() == 0) return;
  const bool tab = stream.tab_separated();
  const bool plain = stream.plain();
  stream.body_line("");
  stream.body_line(kMessageSectionHeading);
  if (!tab) {
    stream.rule(Rule::Double);
    stream.body_line("");
    stream.rule(Rule::Single);
  }
  const bool compressed = stream.rule_text(Rule::Single) == kSkipMarker;
  for (int i = 1; i <= messages.count(); ++i) {
    const std::string& message = messages.entry(i);
    const MessageDescription d = describeForPrint(description_source, message);
    if (tab) {
      stream.body_line(message + "\t" + d.cause + "\t" + d.remedy);
    } else if (plain) {
      stream.body_line(message);
      stream.wrapped_text(d.cause);
      stream.wrapped_text(d.remedy);
      if (!compressed) stream.rule(Rule::Single);
    } else {
      // HTML: three one-cell rows in a table of their own; the empty body line closes the table.
      stream.text_line(message);
      stream.text_line(d.cause);
      stream.text_line(d.remedy);
      stream.body_line("");
    }
  }
}

void printMessages(PrintoutContext& p, PrintTarget target) {
  if (p.messages.count() == 0) {
    p.browsing.ui.message(kCaptionInfo, kNoMessagesText);
    return;
  }
  const auto& info = p.stream.source().info_text;
  p.stream.set_page_header(p.identity.short_name + " V" + p.identity.version, "Error Messages", info[0], info[1],
                           info[2], 1);
  if (p.rec.fatal_error) {
    showMessages(p.browsing);
    return;
  }
  if (!p.stream.open(target.channel, p.stream.source().file_name + ".txt", target.into)) return;
  p.stream.page_header(0, 0);
  writeMessageSection(p.stream, p.messages, p.browsing.files.source);
  p.stream.page_end();
  if (!p.cancelled) p.stream.close();
}

}  // namespace vx11
