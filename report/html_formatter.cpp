#include "report/html_formatter.h"

#include "base/text.h"
#include "report/report_layout.h"

namespace vx11 {

namespace {

constexpr const char* kTableStart = "<TABLE BORDER = \"2\" WIDTH= \"100%\">";

// Text inside an HTML comment: "--" would end it early, and markup after it would count.
std::string comment_text(std::string text) {
  for (auto at = text.find("--"); at != std::string::npos; at = text.find("--", at)) text.replace(at, 2, "- -");
  return htmlEscaped(text);
}

}  // namespace

void HtmlFormatter::body(std::string_view text, bool line_end) {
  close_table();
  ++counters().lines;
  if (!is_rule_or_skip(text, mode())) put("<br>" + htmlEscaped(text), line_end);
}

void HtmlFormatter::text_line(std::string_view text) {
  if (!table_open_) open_table();
  put("<TR><TD>" + htmlEscaped(text) + "</TD></TR>");
}

void HtmlFormatter::value_line(std::string_view label, std::string_view symbol, std::string_view unit,
                               std::string_view value) {
  if (!table_open_) open_table();
  put("<TR><TD>" + htmlEscaped(label) + "</TD><TD>" + htmlEscaped(symbol) + "</TD><TD>" + htmlEscaped(unit) +
      "</TD><TD><DIV ALIGN=RIGHT>" + htmlEscaped(value) + "</DIV></TD></TR>");
}

// The first pair of a table puts the column heads above it.
void HtmlFormatter::pair_line(std::string_view label, std::string_view symbol, std::string_view unit,
                              std::string_view first, std::string_view second) {
  if (!table_open_) {
    open_table();
    std::string head = "<TR><TD><CENTER>" + htmlEscaped(header().heads_title) + "</CENTER></TD>";
    for (const auto& h : header().heads) head += "<TD>" + htmlEscaped(h) + "</TD>";
    put(head + "</TR>");
  }
  put("<TR><TD>" + htmlEscaped(label) + "</TD><TD>" + htmlEscaped(symbol) + "</TD><TD>" + htmlEscaped(unit) +
      "</TD><TD>" + htmlEscaped(first) + "</TD><TD>" + htmlEscaped(second) + "</TD></TR>");
}

// Only the first page has a header: the document head, program, owner and the header lines.
void HtmlFormatter::page_header(int, int) {
  if (counters().pages > 0) return;
  const ProgramIdentity& id = context().identity;
  const std::string program = htmlEscaped(id.title + " V" + id.version);
  put("<!-- " + nameText(comment_text(removeBlanks(sink().path()))) + " -->");
  put("<HTML>");
  put(std::string("<head>") + kHtmlCharset + "<title>" + program + "</title></head>");
  put("<BODY BGCOLOR=\"C0C0C0\">");
  put("<hr>");
  put("<br><h4>" + program + "</h4>");
  put("<br><h4>" + htmlEscaped(source().owner_line) + "</h4>");
  counters().lines += 2;
  put("<hr>");
  for (const auto& line : header().lines) put("<h5>" + htmlEscaped(line) + "</h5>");
  put("<hr>");
  ++counters().pages;
}

void HtmlFormatter::finish() {
  close_table();
  put("</BODY>");
  put("</HTML>");
}

void HtmlFormatter::open_table() {
  close_table();
  put(kTableStart);
  table_open_ = true;
}

void HtmlFormatter::close_table() {
  if (!table_open_) return;
  put("</TABLE>");
  table_open_ = false;
}

}  // namespace vx11
