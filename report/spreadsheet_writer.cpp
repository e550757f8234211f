#include "report/spreadsheet_writer.h"

#include <xlsxwriter.h>

#include <charconv>
#include <cstdio>
#include <map>

#include "base/text.h"

namespace vx11 {

namespace {

constexpr std::size_t kMaxCellText = 32767;  // the most characters a cell holds

std::size_t utf8_length(std::string_view s) {
  std::size_t n = 0;
  for (const char ch : s) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  return n;
}

// The workbook object of one write; closed (and so written) exactly once.
class Workbook {
 public:
  explicit Workbook(const std::string& path) : book_(workbook_new(path.c_str())) {}
  ~Workbook() {
    if (book_) workbook_close(book_);
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  lxw_workbook* get() const { return book_; }
  lxw_error close() {
    const lxw_error result = workbook_close(book_);
    book_ = nullptr;
    return result;
  }

 private:
  lxw_workbook* book_;
};

std::string library_error(lxw_error e) { return lxw_strerror(e); }

bool is_hex(char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f'); }

// Spreadsheet programs read "_x0041_" in a cell text as an escaped character ("A"), and the library
// escapes only control characters that way; a text that holds such a sequence itself gets its
// underscore escaped ("_x005F_"), so it reads back as written.
std::string escape_underscores(const std::string& text) {
  if (text.find("_x") == std::string::npos) return text;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && is_hex(text[i + 2]) && is_hex(text[i + 3]) &&
        is_hex(text[i + 4]) && is_hex(text[i + 5]) && text[i + 6] == '_')
      out += "_x005F_";
    else
      out += text[i];
  }
  return out;
}

}  // namespace

bool number_cell(std::string_view text, char decimal, double& value, int& decimals) {
  const std::string t = trimBlanks(text);
  std::size_t i = 0;
  if (i < t.size() && t[i] == '-') ++i;
  const std::size_t int_start = i;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
  const std::size_t int_digits = i - int_start;
  if (int_digits == 0 || (int_digits > 1 && t[int_start] == '0')) return false;
  decimals = 0;
  if (i < t.size() && t[i] == decimal) {
    const std::size_t frac_start = ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    decimals = static_cast<int>(i - frac_start);
    if (decimals == 0) return false;
  }
  if (i != t.size() || int_digits + static_cast<std::size_t>(decimals) > 15) return false;
  std::string plain = t;
  if (decimals > 0) plain[int_start + int_digits] = '.';
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  return ec == std::errc() && end == plain.data() + plain.size();
}

namespace {

// Puts the rows into the sheet; false with the reason in `error`.
bool fill_sheet(lxw_workbook* book, const std::vector<SheetRow>& rows, const WorkbookLayout& layout,
                std::string& error) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
  if (!sheet) {
    error = "Arbeitsblatt nicht angelegt";
    return false;
  }
  lxw_format* text_format = nullptr;
  if (layout.all_text) {
    text_format = workbook_add_format(book);
    format_set_num_format(text_format, "@");
  }
  std::map<int, lxw_format*> number_formats;  // by decimals
  const auto number_format = [&](int decimals) {
    lxw_format*& f = number_formats[decimals];
    if (!f) {
      f = workbook_add_format(book);
      const std::string code = decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
      format_set_num_format(f, code.c_str());
    }
    return f;
  };
  for (std::size_t c = 0; c < layout.column_pixels.size() && c < LXW_COL_MAX; ++c)
    worksheet_set_column_pixels(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                static_cast<std::uint32_t>(layout.column_pixels[c]), nullptr);
  if (rows.size() > LXW_ROW_MAX) {
    error = "Zu viele Zeilen f\x81r eine Arbeitsmappe";
    return false;
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].size() > LXW_COL_MAX) {
      error = "Zu viele Spalten f\x81r eine Arbeitsmappe";
      return false;
    }
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const auto row = static_cast<lxw_row_t>(r);
      const auto col = static_cast<lxw_col_t>(c);
      const std::string& text = rows[r][c];
      if (utf8_length(text) > kMaxCellText) {
        error = "Zeile " + std::to_string(r + 1) + " ist zu lang f\x81r eine Zelle";
        return false;
      }
      double value = 0;
      int decimals = 0;
      lxw_error result = LXW_NO_ERROR;
      if (text.empty())
        result = text_format ? worksheet_write_blank(sheet, row, col, text_format) : LXW_NO_ERROR;
      else if (!layout.all_text && number_cell(text, layout.decimal, value, decimals))
        result = worksheet_write_number(sheet, row, col, value, number_format(decimals));
      else
        result = worksheet_write_string(sheet, row, col, escape_underscores(text).c_str(), text_format);
      if (result != LXW_NO_ERROR) {
        error = "Zeile " + std::to_string(r + 1) + ": " + library_error(result);
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool write_workbook(const std::string& path, const std::vector<SheetRow>& rows, const WorkbookLayout& layout,
                    std::string& error) {
  const std::string part = path + ".part";
  const std::string shown = nameText(path);
  bool filled = false;
  lxw_error closed = LXW_NO_ERROR;
  {
    Workbook book(part);
    if (!book.get()) {
      error = "Arbeitsmappe " + shown + " nicht angelegt";
      return false;
    }
    std::string reason;
    filled = fill_sheet(book.get(), rows, layout, reason);
    closed = book.close();
    if (!filled) error = "Arbeitsmappe " + shown + " nicht geschrieben (" + reason + ")";
    else if (closed != LXW_NO_ERROR) error = "Arbeitsmappe " + shown + " nicht geschrieben (" + library_error(closed) + ")";
  }
  if (!filled || closed != LXW_NO_ERROR) {
    std::remove(part.c_str());
    return false;
  }
  if (std::rename(part.c_str(), path.c_str()) != 0) {
    std::remove(part.c_str());
    error = "Arbeitsmappe " + shown + " nicht geschrieben";
    return false;
  }
  return true;
}

}  // namespace vx11
