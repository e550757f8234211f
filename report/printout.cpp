#include "report/printout.h"

#include "base/text.h"

namespace vx11 {

void setPageHeader(ReportStream& stream, const PageHeaderTexts& header) {
  const auto& l = header.lines;
  stream.set_page_header(header.title, l[0], l[1], l[2], l[3], header.total_pages);
  const auto& h = kReportColumnHeads;
  stream.set_column_heads("", h[0], h[1], h[2], h[3]);
}

void writePrintLines(ReportStream& stream, const std::vector<PrintLine>& lines) {
  for (const PrintLine& l : lines) {
    switch (l.kind) {
      case PrintLine::Kind::Empty:
        stream.body_line("");
        break;
      case PrintLine::Kind::Body:
        stream.body_line(l.label);
        break;
      case PrintLine::Kind::Heading:
        stream.heading(l.label);
        break;
      case PrintLine::Kind::SingleRule:
        stream.rule(Rule::Single);
        break;
      case PrintLine::Kind::DoubleRule:
        stream.rule(Rule::Double);
        break;
      case PrintLine::Kind::Value:
        stream.value_line(l.label, l.symbol, l.unit, l.first);
        break;
      case PrintLine::Kind::Pair: {
        const auto fitted = [&stream](const std::string& v, int width) {
          return stream.plain() && width > 0 ? leftPart(v, width) : v;
        };
        stream.pair_line(l.label, l.symbol, l.unit, fitted(l.first, l.first_width), fitted(l.second, l.second_width));
        break;
      }
    }
  }
}

}  // namespace vx11
