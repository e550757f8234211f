#include "report/spreadsheet_reader.h"

#include <zip.h>

#include <charconv>
#include <cstring>
#include <memory>
#include <pugixml.hpp>
#include <string_view>

#include "base/text.h"

namespace vx11 {

namespace {

// Sheet parts beyond this size are refused rather than unpacked (a damaged or hostile workbook).
constexpr zip_uint64_t kMaxPartSize = 256u * 1024 * 1024;
constexpr long kMaxRow = 1048576;
constexpr long kMaxColumn = 16384;

struct ZipCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
  void operator()(zip_file_t* f) const { zip_fclose(f); }
};

// Cells the sheet may hold in all (empty cells between filled ones included).
constexpr std::size_t kMaxCells = 16u * 1024 * 1024;

// A damaged workbook: every failure inside it is reported with this message; the reason is UTF-8.
struct Damage {
  std::string reason;
};

std::string_view local_name(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child(const pugi::xml_node& node, std::string_view name) {
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && local_name(c) == name) return c;
  return {};
}

template <typename F>
void for_each_child(const pugi::xml_node& node, std::string_view name, F f) {
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && local_name(c) == name) f(c);
}

// An attribute by its local name ("r:id" is found as "id" with a prefix).
pugi::xml_attribute prefixed_attribute(const pugi::xml_node& node, std::string_view name) {
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
    const std::string_view n = a.name();
    const auto colon = n.find(':');
    if (colon != std::string_view::npos && n.substr(colon + 1) == name) return a;
  }
  return {};
}

// One part of the package, or nothing when the package has no such part.
bool read_part(zip_t* zip, const std::string& name, std::string& data) {
  const zip_int64_t index = zip_name_locate(zip, name.c_str(), 0);
  if (index < 0) return false;
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(zip, static_cast<zip_uint64_t>(index), 0, &st) != 0) throw Damage{"Eintrag " + name};
  if ((st.valid & ZIP_STAT_SIZE) && st.size > kMaxPartSize) throw Damage{name + " zu gro\xC3\x9F"};
  std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(zip, static_cast<zip_uint64_t>(index), 0));
  if (!file) throw Damage{name + ": " + zip_strerror(zip)};
  data.clear();
  char buffer[65536];
  for (;;) {
    const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
    if (n < 0) throw Damage{name + ": " + zip_file_strerror(file.get())};
    if (n == 0) break;
    if (data.size() + static_cast<std::size_t>(n) > kMaxPartSize) throw Damage{name + " zu gro\xC3\x9F"};
    data.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

void parse_part(const std::string& name, const std::string& data, pugi::xml_document& doc) {
  const pugi::xml_parse_result parsed =
      doc.load_buffer(data.data(), data.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
  if (!parsed) throw Damage{name + ": " + parsed.description()};
}

bool load_part(zip_t* zip, const std::string& name, pugi::xml_document& doc) {
  std::string data;
  if (!read_part(zip, name, data)) return false;
  parse_part(name, data, doc);
  return true;
}

// The folder part of a part name ("xl/workbook.xml" -> "xl/").
std::string folder_of(const std::string& part) {
  const auto slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// A relationship target resolved against the folder of its source part.
std::string resolve(const std::string& base_folder, std::string target) {
  std::string path = target.starts_with('/') ? target.substr(1) : base_folder + target;
  std::vector<std::string> parts;
  std::size_t at = 0;
  while (at <= path.size()) {
    const auto slash = path.find('/', at);
    const std::string piece = path.substr(at, slash == std::string::npos ? std::string::npos : slash - at);
    if (piece == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!piece.empty() && piece != ".") {
      parts.push_back(piece);
    }
    if (slash == std::string::npos) break;
    at = slash + 1;
  }
  std::string out;
  for (const auto& p : parts) {
    if (!out.empty()) out += '/';
    out += p;
  }
  return out;
}

// The relationships file of a part: "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels".
std::string rels_of(const std::string& part) {
  const std::string folder = folder_of(part);
  return folder + "_rels/" + part.substr(folder.size()) + ".rels";
}

bool type_ends_with(const pugi::xml_node& rel, std::string_view suffix) {
  const std::string_view type = rel.attribute("Type").as_string();
  return type.size() >= suffix.size() && type.substr(type.size() - suffix.size()) == suffix;
}

// "_x000D_" and the like stand for characters that XML cannot hold; "_x005F_" escapes the underscore.
std::string unescape(std::string_view s) {
  if (s.find("_x") == std::string_view::npos) return std::string(s);
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned code = 0;
    if (s[i] == '_' && i + 6 < s.size() && s[i + 1] == 'x' && s[i + 6] == '_') {
      const auto [end, ec] = std::from_chars(s.data() + i + 2, s.data() + i + 6, code, 16);
      if (ec == std::errc() && end == s.data() + i + 6) {
        append_utf8(out, code);
        i += 6;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

// The text of a string item: its <t>, or the <t> of every run (phonetic hints left out).
std::string item_text(const pugi::xml_node& item) {
  std::string text;
  if (const pugi::xml_node t = child(item, "t")) text = t.text().as_string();
  for_each_child(item, "r", [&](const pugi::xml_node& run) { text += child(run, "t").text().as_string(); });
  return unescape(text);
}

std::string number_text(std::string_view v) {
  double value = 0;
  const char* first = v.data();
  const char* last = v.data() + v.size();
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::string(v);
  char buffer[64];
  const auto [out, ec2] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec2 == std::errc() ? std::string(buffer, out) : std::string(v);
}

// "B12" -> column 2, row 12 (either may be 0 when the reference lacks it). False when malformed.
bool parse_reference(std::string_view ref, long& column, long& row) {
  column = 0;
  row = 0;
  std::size_t i = 0;
  for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z'; ++i) {
    column = column * 26 + (ref[i] - 'A' + 1);
    if (column > kMaxColumn) return false;
  }
  for (; i < ref.size() && ref[i] >= '0' && ref[i] <= '9'; ++i) {
    row = row * 10 + (ref[i] - '0');
    if (row > kMaxRow) return false;
  }
  return i == ref.size() && column > 0;
}

class WorkbookReader {
 public:
  explicit WorkbookReader(zip_t* zip) : zip_(zip) {}

  void read(WorksheetCells& cells) {
    const std::string workbook = workbook_part();
    pugi::xml_document book;
    if (!load_part(zip_, workbook, book)) throw Damage{workbook + " fehlt"};
    const pugi::xml_node root = book.document_element();
    pugi::xml_document rels;
    const bool has_rels = load_part(zip_, rels_of(workbook), rels);

    // The active worksheet: the sheet the workbook opens with.
    std::vector<std::string> sheet_ids;
    for_each_child(child(root, "sheets"), "sheet", [&](const pugi::xml_node& s) {
      sheet_ids.push_back(prefixed_attribute(s, "id").as_string());
    });
    if (sheet_ids.empty()) throw Damage{"keine Tabelle"};
    std::size_t active = child(child(root, "bookViews"), "workbookView").attribute("activeTab").as_uint(0);
    if (active >= sheet_ids.size()) active = 0;

    std::string sheet_part;
    std::string strings_part;
    if (has_rels) {
      for_each_child(rels.document_element(), "Relationship", [&](const pugi::xml_node& rel) {
        const std::string target = resolve(folder_of(workbook), rel.attribute("Target").as_string());
        if (rel.attribute("Id").as_string() == sheet_ids[active]) sheet_part = target;
        if (type_ends_with(rel, "/sharedStrings")) strings_part = target;
      });
    }
    if (sheet_part.empty()) throw Damage{"Tabelle " + std::to_string(active + 1) + " nicht gefunden"};
    if (!strings_part.empty()) read_shared_strings(strings_part);
    read_sheet(sheet_part, cells);
  }

 private:
  // The main part named by the package relationships; the usual name when they are missing.
  std::string workbook_part() {
    pugi::xml_document rels;
    if (load_part(zip_, "_rels/.rels", rels)) {
      std::string part;
      for_each_child(rels.document_element(), "Relationship", [&](const pugi::xml_node& rel) {
        if (part.empty() && type_ends_with(rel, "/officeDocument"))
          part = resolve("", rel.attribute("Target").as_string());
      });
      if (!part.empty()) return part;
    }
    return "xl/workbook.xml";
  }

  void read_shared_strings(const std::string& part) {
    pugi::xml_document doc;
    if (!load_part(zip_, part, doc)) throw Damage{part + " fehlt"};
    for_each_child(doc.document_element(), "si", [&](const pugi::xml_node& si) { strings_.push_back(item_text(si)); });
  }

  std::string cell_text(const pugi::xml_node& c) const {
    const std::string_view type = c.attribute("t").as_string();
    const char* v = child(c, "v").text().as_string();
    if (type == "s") {
      const std::string_view index_text = v;
      std::size_t index = 0;
      const auto [end, ec] = std::from_chars(index_text.data(), index_text.data() + index_text.size(), index);
      if (ec != std::errc() || end != index_text.data() + index_text.size() || index >= strings_.size())
        throw Damage{"Text " + std::string(index_text) + " fehlt"};
      return strings_[index];
    }
    if (type == "inlineStr") return item_text(child(c, "is"));
    if (type == "b") return std::string_view(v) == "1" ? "TRUE" : "FALSE";
    if (type == "str" || type == "e") return unescape(v);
    return number_text(v);
  }

  void read_sheet(const std::string& part, WorksheetCells& cells) {
    pugi::xml_document doc;
    if (!load_part(zip_, part, doc)) throw Damage{part + " fehlt"};
    const pugi::xml_node data = child(doc.document_element(), "sheetData");
    long row_number = 0;
    for_each_child(data, "row", [&](const pugi::xml_node& row) {
      const long r = row.attribute("r").as_llong(row_number + 1);
      if (r <= row_number || r > kMaxRow) throw Damage{"Zeile " + std::to_string(r)};
      row_number = r;
      long column = 0;
      for_each_child(row, "c", [&](const pugi::xml_node& c) {
        long col = column + 1;
        if (const pugi::xml_attribute ref = c.attribute("r")) {
          long ref_row = 0;
          if (!parse_reference(ref.as_string(), col, ref_row) || (ref_row != 0 && ref_row != r))
            throw Damage{std::string("Zelle ") + ref.as_string()};
        }
        if (col <= column) throw Damage{"Zelle in Zeile " + std::to_string(r)};
        column = col;
        if (cells.rows.size() < static_cast<std::size_t>(r)) cells.rows.resize(static_cast<std::size_t>(r));
        SheetRow& cells_row = cells.rows[static_cast<std::size_t>(r - 1)];
        slots_ += static_cast<std::size_t>(col) - cells_row.size();
        if (slots_ > kMaxCells) throw Damage{"zu viele Zellen"};
        cells_row.resize(static_cast<std::size_t>(col));
        cells_row[static_cast<std::size_t>(col - 1)] = cell_text(c);
      });
    });
  }

  zip_t* zip_;
  std::vector<std::string> strings_;
  std::size_t slots_ = 0;  // cells reserved so far
};

}  // namespace

std::vector<std::string> WorksheetCells::column_a() const {
  std::vector<std::string> column;
  column.reserve(rows.size());
  for (const SheetRow& row : rows) column.push_back(row.empty() ? std::string() : row[0]);
  return column;
}

bool read_worksheet(const std::string& path, WorksheetCells& cells, std::string& error) {
  cells.rows.clear();
  const std::string shown = "\"" + nameText(path) + "\"";
  int code = 0;
  Archive zip(zip_open(path.c_str(), ZIP_RDONLY, &code));
  if (!zip) {
    if (code == ZIP_ER_NOENT) {
      error = "File " + nameText(path) + " not found !";
    } else if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS) {
      error = "Keine Arbeitsmappe: " + shown + " !";
    } else {
      zip_error_t e;
      zip_error_init_with_code(&e, code);
      error = "Arbeitsmappe " + shown + " nicht lesbar (" + zip_error_strerror(&e) + ") !";
      zip_error_fini(&e);
    }
    return false;
  }
  try {
    WorkbookReader(zip.get()).read(cells);
  } catch (const Damage& d) {
    cells.rows.clear();
    error = "Arbeitsmappe " + shown + " besch\x84" "digt (" + toCodePage850(d.reason) + ") !";
    return false;
  } catch (const std::bad_alloc&) {
    cells.rows.clear();
    error = "Arbeitsmappe " + shown + " zu gro\xE1 !";  // code page 850
    return false;
  }
  return true;
}

}  // namespace vx11
