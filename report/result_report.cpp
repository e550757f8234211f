#include "report/result_report.h"

#include "report/message_section.h"

namespace vx11 {

namespace {

// Sets the header, opens the stream and writes the first page header; false when cancelled.
bool begin(PrintoutContext& p, const PageHeaderTexts& header, PrintTarget target) {
  setPageHeader(p.stream, header);
  if (!p.stream.open(target.channel, target.name, target.into)) return false;
  p.stream.page_header(0, 0);
  return !p.cancelled;
}

}  // namespace

void writeResultReport(PrintoutContext& p, PrintTarget target) {
  if (p.rec.fatal_error) {
    showMessages(p.browsing);
    return;
  }
  if (!begin(p, resultReportHeader(p.rec, p.stream.source().info_text, p.identity), target)) return;
  bool first = true;
  for (const PrintBlock& block : resultReportBlocks(p.rec, p.format)) {
    if (!first) {
      p.stream.page_header(0, 1);
      if (p.cancelled) return;
      p.stream.body_line("");
    }
    first = false;
    writePrintLines(p.stream, block.lines);
    if (block.page_end) p.stream.page_end();
    if (p.cancelled) return;
  }
  if (p.messages.count() > 0) {
    p.stream.page_header(0, 0);
    writeMessageSection(p.stream, p.messages, p.browsing.files.source);
    p.stream.page_end();
  }
  if (!p.cancelled) p.stream.close();
}

void writeExcerpt(PrintoutContext& p, PrintTarget target) {
  if (p.rec.fatal_error) {
    showMessages(p.browsing);
    return;
  }
  if (!begin(p, excerptHeader(p.rec, p.stream.source().info_text, p.identity), target)) return;
  writePrintLines(p.stream, excerptLines(p.rec, p.format));
  p.stream.page_end();
  if (!p.cancelled) p.stream.close();
}

}  // namespace vx11
