#include "calc/table_object.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "calc/calc_context.h"
#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace fs = std::filesystem;

namespace {

std::string join(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  return folder + (folder.back() == '/' ? "" : "/") + std::string(name);
}

std::string_view base_name(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool has_dbf_extension(std::string_view path) {
  const std::string_view base = base_name(path);
  if (base.size() < 4) return false;
  std::string ext(base.substr(base.size() - 4));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".dbf";
}

bool readable(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec) && ::access(path.c_str(), R_OK) == 0;
}

// The folder takes a file: create "TEST.$$$", write one line, remove it again. A name that is
// already there (a planted link included) is neither followed nor removed: the test fails.
bool write_test(const std::string& folder) {
  const std::string test = join(folder.empty() ? "." : folder, "TEST.$$$");
  const int fd = ::open(test.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  static constexpr char kLine[] = "DBF Write Check\r\n";
  const bool ok = ::write(fd, kLine, sizeof kLine - 1) == static_cast<ssize_t>(sizeof kLine - 1);
  const bool closed = ::close(fd) == 0;
  ::unlink(test.c_str());
  return ok && closed;
}

bool read_only_file(const std::string& path) {
  std::error_code ec;
  const auto perms = fs::status(path, ec).permissions();
  if (ec) return true;
  const auto write_bits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (perms & write_bits) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

bool contains_without_case(std::string_view hay, std::string_view needle) {
  return std::search(hay.begin(), hay.end(), needle.begin(), needle.end(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
         }) != hay.end();
}

}  // namespace

std::string table_not_found_text(const std::string& path) {
  return "Datei " + nameText(path) + " " + "nicht gefunden oder kein Zugriffsrecht" + " !";
}

std::string cut_field_text(const TableObject& table, int i, std::size_t max_length) {
  const std::string text = table.field_text(i);
  return text.size() >= 255 ? std::string() : cut_text(text, max_length);
}

Real field_real(const TableObject& table, int i) { return parseReal(table.field_text(i)); }

long long field_integer(const TableObject& table, int i) {
  const Real v = field_real(table, i);
  // Beyond 32 bits nothing in the tables makes sense; keep the record's integers defined.
  return std::fabs(v) < 2.0e9L ? std::llround(v) : 0;
}

std::string table_open_problem_text(const std::string& path, const std::string& problem, bool unreadable) {
  if (unreadable) return table_not_found_text(path);
  return "Datei " + nameText(path) + " ist besch\x84" "digt (" + problem + ") !";
}

void TableObject::set_folders(std::string table_folder, std::string temp_folder) {
  set_folders(std::move(table_folder), [temp = std::move(temp_folder)] { return temp; });
}

void TableObject::set_folders(std::string table_folder, std::function<std::string()> temp_folder) {
  table_folder_ = std::move(table_folder);
  temp_folder_ = std::move(temp_folder);
}

void TableObject::set_titles(std::string first, std::string second) {
  title1_ = std::move(first);
  title2_ = std::move(second);
}

bool TableObject::fail(CalcContext& ctx, const std::string& text) {
  ctx.ui.message(kCaptionError, text);
  ctx.rec.cancelled = true;
  return false;
}

std::string TableObject::resolve(std::string_view name) const {
  std::string n(name);
  if (base_name(n).find('.') == std::string_view::npos) n += ".dbf";
  return n.find('/') != std::string::npos ? n : join(table_folder_, n);
}

bool TableObject::open_table(CalcContext& ctx, std::string_view name) {
  close_table();
  const std::string path = resolve(name);
  if (!readable(path)) {
    ctx.ui.message(kCaptionError, table_not_found_text(path));
    ctx.rec.cancelled = true;
  }
  if (ctx.rec.cancelled) return false;

  // Tables are read where they are: nothing is copied or written to choose a row or to rate. Only a
  // file whose name does not end in ".dbf", which the dBase library would not open under its own
  // name, is read from a copy in the temporary folder.
  std::string use = path;
  const bool copy = !has_dbf_extension(path);
  if (copy && !copy_to_temp(ctx, path, use)) return false;
  std::string problem;
  bool unreadable = false;
  if (!table_.open(use, false, problem, unreadable))
    return fail(ctx, table_open_problem_text(path, problem, unreadable));
  source_ = path;
  file_name_ = use;
  on_copy_ = copy;
  current_ = record_count() > 0 ? 1 : 0;
  found_ = false;
  return true;
}

bool TableObject::copy_to_temp(CalcContext& ctx, const std::string& path, std::string& copy) {
  std::string base(base_name(path));
  if (!has_dbf_extension(base)) base = fs::path(base).stem().string() + ".dbf";
  copy = join(temp_folder(), base);
  std::error_code ec;
  fs::copy_file(path, copy, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  if (ec) return fail(ctx, table_not_found_text(copy));
  return true;
}

bool TableObject::make_editable(CalcContext& ctx) {
  if (!is_open()) return false;
  if (table_.writable()) return true;
  std::string problem;
  bool unreadable = false;
  const auto opened = [&](const std::string& use, bool copy) {
    file_name_ = use;
    on_copy_ = copy;
    refresh_order();  // the same records: the order and the current record stay
    return true;
  };
  const std::string folder = fs::path(source_).parent_path().string();
  if (!on_copy_ && write_test(folder) && !read_only_file(source_) && table_.open(source_, true, problem, unreadable) &&
      table_.writable())
    return opened(source_, false);
  // A read-only folder or file is edited in a copy in the temporary folder.
  std::string copy;
  const bool copied = copy_to_temp(ctx, source_, copy);
  if (copied && table_.open(copy, true, problem, unreadable) && table_.writable()) return opened(copy, true);
  if (!table_.is_open()) close_table();
  if (!copied) return false;  // reported
  return fail(ctx, table_open_problem_text(copy, problem.empty() ? "nicht beschreibbar" : problem, unreadable));
}

void TableObject::close_table() {
  table_.close();
  order_.reset();
  order_expression_.clear();
  current_ = 0;
  on_copy_ = false;
}

void TableObject::go_to_record(CalcContext& ctx, int n) {
  if (!is_open()) return;
  const int count = record_count();
  if (count < n) {
    ctx.messages.add("DBF #" + std::to_string(n) + " not found.");
    n = count;
  }
  if (n > count || n <= 0) n = 1;
  current_ = count > 0 ? n : 0;
}

std::string TableObject::field_name(int i) const {
  if (i < 1 || i > field_count()) return {};
  return fields()[static_cast<std::size_t>(i) - 1].name;
}

bool TableObject::field_logical(std::string_view name) const {
  const std::string t = field_text(field_number(name));
  return !t.empty() && std::string_view("TtYyJj").find(t[0]) != std::string_view::npos;
}

namespace {

std::optional<TableOrder> build_order(const DbfTable& table, std::string_view expression,
                                      std::string_view name, std::string& problem) {
  const auto e = IndexExpression::parse(
      expression, [&](std::string_view f) { return table.field_number(f); },
      [&](int f) { return table.fields()[static_cast<std::size_t>(f) - 1].numeric(); }, problem);
  if (!e) return std::nullopt;
  std::vector<TableOrder::Entry> entries;
  entries.reserve(static_cast<std::size_t>(table.record_count()));
  for (int r = 1; r <= table.record_count(); ++r) {
    const auto field = [&](int f) { return table.text(r, f); };
    TableOrder::Entry entry{r, {}, 0};
    if (e->numeric()) entry.number = e->numeric_key(field);
    else entry.text = e->text_key(field);
    entries.push_back(std::move(entry));
  }
  return TableOrder(std::string(name), e->numeric(), std::move(entries));
}

}  // namespace

bool TableObject::create_index(CalcContext& ctx, std::string_view expression, std::string_view index_name) {
  if (!is_open()) return false;
  std::string problem;
  auto order = build_order(table_, expression, index_name, problem);
  if (!order) return fail(ctx, "Index " + std::string(index_name) + ": " + problem);
  order_ = std::move(order);
  order_expression_ = std::string(expression);
  return true;
}

void TableObject::clear_order() {
  order_.reset();
  order_expression_.clear();
}

void TableObject::refresh_order() {
  if (!order_) return;
  std::string problem;
  order_ = build_order(table_, order_expression_, order_->name(), problem);
}

std::vector<int> TableObject::records_in_order(bool include_deleted) const {
  std::vector<int> records;
  const auto take = [&](int r) {
    if (include_deleted || !table_.deleted(r)) records.push_back(r);
  };
  if (order_) {
    for (const auto& e : order_->entries()) take(e.record);
  } else {
    for (int r = 1; r <= record_count(); ++r) take(r);
  }
  return records;
}

bool TableObject::find_exact(std::string_view key) {
  found_ = false;
  if (!order_) return false;
  auto at = order_->find_exact(key);
  if (!at && key.find('.') != std::string_view::npos) {
    std::string retry(key);
    std::replace(retry.begin(), retry.end(), '.', ',');
    at = order_->find_exact(retry);
  }
  if (at) current_ = order_->entries()[*at].record;
  found_ = at.has_value();
  return found_;
}

bool TableObject::find_nearest(std::string_view key) {
  found_ = false;
  if (!order_ || order_->entries().empty()) return false;
  const auto at = order_->find_nearest(key);
  current_ = at ? order_->entries()[*at].record : order_->entries().back().record;
  found_ = at.has_value();
  return found_;
}

bool TableObject::search(std::string_view text, bool continue_search) {
  if (!continue_search || !text.empty()) search_text_ = std::string(text);
  if (search_text_.empty()) return false;
  const std::vector<int> records = records_in_order(true);
  auto from = records.begin();
  if (continue_search) {
    from = std::find(records.begin(), records.end(), current_);
    if (from != records.end()) ++from;
  }
  for (auto r = from; r != records.end(); ++r)
    for (int f = 1; f <= field_count(); ++f)
      if (contains_without_case(table_.text(*r, f), search_text_)) {
        current_ = *r;
        return true;
      }
  return false;
}

void TableObject::browse(CalcContext& ctx, int mode) {
  if (!is_open()) {
    ctx.rec.cancelled = true;
    return;
  }
  BrowseRequest request;
  request.mode = mode == 1 ? BrowseMode::Select : BrowseMode::Edit;
  // Editing needs a writable table (which may be a copy); choosing a row only reads.
  if (request.mode == BrowseMode::Edit && !make_editable(ctx)) return;
  request.caption = request.mode == BrowseMode::Select
                        ? title2_ + "   " + title1_
                        : title2_ + "  " + title1_ + "  (" + nameText(file_name_) + ")";
  request.help_number = ctx.help_number;
  request.working_on_copy = on_copy_;
  if (request.mode == BrowseMode::Edit && on_copy_) ctx.ui.message(kCaptionInfo, kEditingCopyNotice);
  if (browser_->show(ctx, request) == BrowseResult::Ok) {
    ctx.rec.cancelled = false;
    outcome_ = {current_, true};
  } else {
    ctx.rec.cancelled = true;
    outcome_.closed_with_enter = false;
  }
}

bool TableObject::set_field_text(CalcContext& ctx, int i, std::string_view text) {
  if (!make_editable(ctx)) return false;
  std::string problem;
  // Each edit replaces the file at once: it is in the file, not only when the table is closed.
  if (!table_.write(current_, i, text, problem)) return fail(ctx, problem);
  refresh_order();
  return true;
}

bool TableObject::set_deleted(CalcContext& ctx, int record, bool deleted) {
  if (!make_editable(ctx)) return false;
  std::string problem;
  if (!table_.set_deleted(record, deleted, problem)) return fail(ctx, problem);
  return true;
}

bool TableObject::append_record(CalcContext& ctx) {
  return append_rows(ctx, {{}});
}

bool TableObject::append_values(CalcContext& ctx, const std::vector<std::string>& values) {
  return append_rows(ctx, {values});
}

bool TableObject::append_rows(CalcContext& ctx, const std::vector<std::vector<std::string>>& rows) {
  std::string problem;
  if (!make_editable(ctx)) return false;
  if (!table_.append_rows(rows, problem)) return fail(ctx, problem);
  current_ = record_count();
  refresh_order();
  return true;
}

bool TableObject::pack(CalcContext& ctx) {
  if (!make_editable(ctx)) return false;
  std::string problem;
  const bool ok = table_.pack(problem);
  if (!table_.is_open()) {
    close_table();
    return fail(ctx, problem);
  }
  current_ = record_count() > 0 ? 1 : 0;
  refresh_order();
  if (!ok) return fail(ctx, problem);
  return true;
}

}  // namespace vx11
