#include "docu/change_log_print.h"

#include "base/text.h"

namespace vx11 {

namespace {

// The description's lines; any of CR LF, CR and LF ends one.
std::vector<std::string> description_lines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

}  // namespace

void write_change_log(ReportStream& stream, const Documentation& doc, const ProgramIdentity& id,
                      int change_index_style) {
  const TitleBlock& t = doc.title;
  stream.set_page_header(id.title + " V" + id.version, "\x8E" "nderungsprotokoll", doc.info_text[0],
                         doc.info_text[1], doc.info_text[2]);
  stream.page_header(0, 0);
  stream.body_line("");
  stream.body_line("Erstellungsdatum: " + t.drawn.date + "     " + "Erstellt von" + ": " + t.drawn.name);
  if (!t.replaces.empty()) {
    stream.body_line("");
    stream.body_line("Ersatz f\x81r: " + padRight(t.replaces, 15));
  }
  if (!t.replaced_by.empty()) {
    stream.body_line("");
    stream.body_line("Ersetzt durch: " + padRight(t.replaced_by, 15));
  }
  stream.body_line("");
  stream.body_line(padRight("Index", 6) + "  " + padRight("Datum", 10) + "   " + padRight("Bearb.", 6) + "   " +
                   padRight("\x8E" "nderung", 20));
  stream.rule(Rule::Double);
  for (int i = 1; i <= clamp_change_count(doc.change_count); ++i) {
    const ChangeEntry& e = doc.changes[i - 1];
    stream.body_line("  " + change_index(i, change_index_style) + "     " + padRight(e.date, 10) + "   " +
                     padRight(e.editor, 6) + "   " + padRight(e.change_text, 20));
    for (const std::string& line : description_lines(e.description)) stream.wrapped_text(" " + line);
    stream.rule(Rule::Single);
  }
  stream.page_end();
}

void ReportChangeLogPrinter::print(const Documentation& doc, bool to_screen) {
  if (!stream_.open(to_screen ? kChannelScreen : 0, current_file_ + ".TXT")) return;
  write_change_log(stream_, doc, id_, config_.change_index_style);
  stream_.close();
}

}  // namespace vx11
