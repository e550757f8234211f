#include "calc/table_exchange.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

#include "calc/table_object.h"
#include "base/safe_file.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr const char* kEol = "\r\n";

bool write_failed(CalcContext& ctx, const std::string& path, int error) {
  ctx.ui.message(kCaptionError, "Datei " + nameText(path) + " kann nicht geschrieben werden !  I/O-Error " +
                                    std::to_string(error));
  ctx.rec.cancelled = true;
  return false;
}

// The one place where these exports write their file: whole or not at all (replace_file).
template <typename Writer>
bool write_file(CalcContext& ctx, const std::string& path, Writer&& write) {
  std::ostringstream out;
  write(out);
  if (const int err = replace_file(path, out.view()); err != 0) return write_failed(ctx, path, err);
  return true;
}

bool append_checked(CalcContext& ctx, const std::vector<std::vector<std::string>>& rows,
                    const std::string& origin) {
  TableObject& t = ctx.tables;
  std::string stored;
  std::string problem;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    bool ok = rows[r].size() <= t.fields().size();
    if (!ok) problem = "mehr Werte als Felder";
    for (std::size_t f = 0; ok && f < rows[r].size(); ++f) ok = fit_value(t.fields()[f], rows[r][f], stored, problem);
    if (!ok) {
      ctx.ui.message(kCaptionError, origin + ", Satz " + std::to_string(r + 1) + ": " + problem);
      ctx.rec.cancelled = true;
      return false;
    }
  }
  return rows.empty() || t.append_rows(ctx, rows);
}

}  // namespace

void write_table_html(std::ostream& out, const TableObject& t, const FormatSettings& s,
                      const HtmlPageHeader& header) {
  const auto text = [&](std::string_view cp850) { return htmlEscaped(toWindows(s, cp850)); };
  // The file name is the file system's own: escaped, never converted.
  const std::string file = htmlEscaped(t.file_name());
  out << "<HTML>" << kEol << "<HEAD>" << kHtmlCharset << "<TITLE>" << file << "</TITLE></HEAD>" << kEol
      << "<BODY BGCOLOR=\"C0C0C0\">" << kEol << "<P>" << text(header.title_line) << "</P>" << kEol
      << "<P>" << file << "</P>" << kEol << "<P>" << text(header.date) << " - " << text(header.time) << "</P>"
      << kEol << "<HR>" << kEol << "<TABLE BORDER=\"1\" WIDTH= \"100%\">" << kEol << "<TR>";
  for (int f = 1; f <= t.field_count(); ++f) out << "<TD><CENTER>" << text(t.field_name(f)) << "</CENTER></TD>";
  out << "</TR>" << kEol;
  for (int r = 1; r <= t.record_count(); ++r) {
    out << "<TR>";
    for (int f = 1; f <= t.field_count(); ++f) out << "<TD>" << text(t.field_text(r, f)) << "</TD>";
    out << "</TR>" << kEol;
  }
  out << "</TABLE>" << kEol << "</BODY>" << kEol << "</HTML>" << kEol;
}

bool export_table_html(CalcContext& ctx, const std::string& path, const HtmlPageHeader& header) {
  return write_file(ctx, path, [&](std::ostream& out) { write_table_html(out, ctx.tables, ctx.format, header); });
}

void write_table_delimited(std::ostream& out, const TableObject& t) {
  for (int r = 1; r <= t.record_count(); ++r) {
    if (t.is_deleted(r)) continue;
    for (int f = 1; f <= t.field_count(); ++f) {
      if (f > 1) out << ',';
      const DbfField& field = t.fields()[static_cast<std::size_t>(f) - 1];
      const std::string value = t.field_text(r, f);
      if (field.type != 'C' && field.type != 'D') {
        out << value;
        continue;
      }
      out << '"';
      for (char c : value) out << (c == '"' ? "\"\"" : std::string(1, c));
      out << '"';
    }
    out << kEol;
  }
}

bool export_table_delimited(CalcContext& ctx, const std::string& path) {
  return write_file(ctx, path, [&](std::ostream& out) { write_table_delimited(out, ctx.tables); });
}

bool split_delimited(const std::string& line, std::vector<std::string>& values) {
  values.assign(1, {});
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') values.back() += c;
      else if (i + 1 < line.size() && line[i + 1] == '"') values.back() += line[++i];
      else quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      values.emplace_back();
    } else {
      values.back() += c;
    }
  }
  return !quoted;
}

bool import_delimited(CalcContext& ctx, std::istream& in) {
  std::vector<std::vector<std::string>> rows;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::vector<std::string> values;
    if (!split_delimited(line, values)) {
      ctx.ui.message(kCaptionError, "Zeile " + std::to_string(number) + ": Anf\x81hrungszeichen nicht geschlossen");
      ctx.rec.cancelled = true;
      return false;
    }
    rows.push_back(std::move(values));
  }
  return append_checked(ctx, rows, "Textdatei");
}

bool import_delimited_file(CalcContext& ctx, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ctx.ui.message(kCaptionError, table_not_found_text(path));
    ctx.rec.cancelled = true;
    return false;
  }
  return import_delimited(ctx, in);
}

bool append_from_table(CalcContext& ctx, const std::string& path) {
  TableObject& t = ctx.tables;
  std::vector<std::vector<std::string>> rows;
  {
    DbfTable source;
    std::string problem;
    bool unreadable = false;
    if (!source.open(path, false, problem, unreadable)) {
      ctx.ui.message(kCaptionError, table_open_problem_text(path, problem, unreadable));
      ctx.rec.cancelled = true;
      return false;
    }
    std::vector<int> from;
    for (const auto& f : t.fields()) from.push_back(source.field_number(f.name));
    for (int r = 1; r <= source.record_count(); ++r) {
      if (source.deleted(r)) continue;
      std::vector<std::string> row;
      for (int f : from) row.push_back(f != 0 ? source.text(r, f) : std::string());
      rows.push_back(std::move(row));
    }
  }
  return append_checked(ctx, rows, path);
}

}  // namespace vx11
