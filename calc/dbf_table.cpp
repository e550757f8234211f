#include "calc/dbf_table.h"

#include <shapefil.h>

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "calc/dbf_header.h"

namespace vx11 {

struct DbfTable::Handle {
  DBFHandle dbf = nullptr;
};

namespace {

// shapelib reports its own failures through this hook; ours come from the header check and
// the return values, so its texts are not needed.
void quiet(const char*) {}

SAHooks hooks() {
  SAHooks h;
  SASetupDefaultHooks(&h);
  h.Error = quiet;
  return h;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string too_long(const DbfField& f, std::string_view value) {
  return "Wert \"" + std::string(value) + "\" passt nicht in Feld " + f.name + " (Breite " +
         std::to_string(f.width) + ")";
}

bool fit_number(const DbfField& f, std::string_view value, std::string& stored, std::string& problem) {
  std::string v(trim(value));
  if (v.empty()) {
    stored.assign(f.width, ' ');
    return true;
  }
  if (const auto comma = v.find(','); comma != std::string::npos) v[comma] = '.';
  std::size_t i = (v[0] == '-' || v[0] == '+') ? 1 : 0;
  const std::size_t digits_from = i;
  while (i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]))) ++i;
  std::string whole = v.substr(digits_from, i - digits_from);
  std::string fraction;
  if (i < v.size() && v[i] == '.') {
    const std::size_t from = ++i;
    while (i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]))) ++i;
    fraction = v.substr(from, i - from);
  }
  if (i != v.size() || (whole.empty() && fraction.empty())) {
    problem = "Wert \"" + std::string(value) + "\" ist keine Zahl (Feld " + f.name + ")";
    return false;
  }
  // Digits beyond the field's decimals are only dropped when they are zeros.
  while (static_cast<int>(fraction.size()) > f.decimals && fraction.back() == '0') fraction.pop_back();
  if (static_cast<int>(fraction.size()) > f.decimals) {
    problem = too_long(f, value);
    return false;
  }
  fraction.resize(static_cast<std::size_t>(f.decimals), '0');
  if (whole.empty()) whole = "0";
  std::string text = (v[0] == '-' ? "-" : "") + whole + (f.decimals > 0 ? "." + fraction : "");
  if (static_cast<int>(text.size()) > f.width) {
    problem = too_long(f, value);
    return false;
  }
  stored = std::string(static_cast<std::size_t>(f.width) - text.size(), ' ') + text;
  return true;
}

}  // namespace

bool fit_value(const DbfField& f, std::string_view value, std::string& stored, std::string& problem) {
  if (f.numeric()) return fit_number(f, value, stored, problem);
  if (f.type == 'L') {
    const std::string_view v = trim(value);
    if (v.empty()) stored = " ";
    else if (std::string_view("TtYyJj1").find(v[0]) != std::string_view::npos) stored = "T";
    else if (std::string_view("FfNn0").find(v[0]) != std::string_view::npos) stored = "F";
    else {
      problem = "Wert \"" + std::string(value) + "\" ist kein logischer Wert (Feld " + f.name + ")";
      return false;
    }
    return true;
  }
  if (static_cast<int>(value.size()) > f.width) {
    problem = too_long(f, value);
    return false;
  }
  stored = std::string(value) + std::string(static_cast<std::size_t>(f.width) - value.size(), ' ');
  return true;
}

DbfTable::DbfTable() = default;
DbfTable::~DbfTable() { close(); }

bool DbfTable::open(const std::string& path, bool writable, std::string& problem, bool& unreadable) {
  close();
  const DbfCheck check = check_dbf_file(path);
  unreadable = !check.readable;
  if (!check.ok) {
    problem = check.problem;
    return false;
  }
  SAHooks h = hooks();
  DBFHandle dbf = DBFOpenLL(path.c_str(), writable ? "rb+" : "rb", &h);
  if (dbf == nullptr && writable) {
    writable = false;
    dbf = DBFOpenLL(path.c_str(), "rb", &h);
  }
  if (dbf == nullptr) {
    unreadable = true;
    return false;
  }
  handle_ = new Handle{dbf};
  writable_ = writable;
  path_ = path;
  fields_.clear();
  int offset = 1;
  for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
    char name[XBASE_FLDNAME_LEN_READ + 1] = {};
    int width = 0;
    int decimals = 0;
    DBFGetFieldInfo(dbf, i, name, &width, &decimals);
    fields_.push_back({name, DBFGetNativeFieldType(dbf, i), width, decimals, offset});
    offset += width;
  }
  // shapelib sizes what it reads by the header; it must agree with what the check accepted.
  if (static_cast<int>(fields_.size()) != check.layout.field_count ||
      DBFGetRecordCount(dbf) != static_cast<int>(check.layout.record_count) ||
      offset != check.layout.record_length) {
    close();
    problem = "Dateikopf nicht lesbar";
    return false;
  }
  return true;
}

void DbfTable::close() {
  if (handle_ != nullptr) {
    DBFClose(handle_->dbf);
    delete handle_;
    handle_ = nullptr;
  }
  fields_.clear();
  writable_ = false;
}

int DbfTable::record_count() const { return handle_ ? DBFGetRecordCount(handle_->dbf) : 0; }

int DbfTable::field_number(std::string_view name) const {
  const auto same = [](std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
        return false;
    return true;
  };
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (same(fields_[i].name, name)) return static_cast<int>(i) + 1;
  return 0;
}

std::string DbfTable::raw(int record) const {
  if (handle_ == nullptr || record < 1 || record > record_count()) return {};
  const char* tuple = DBFReadTuple(handle_->dbf, record - 1);
  if (tuple == nullptr) return {};
  const auto& last = fields_.back();
  return std::string(tuple, static_cast<std::size_t>(last.offset + last.width));
}

std::string DbfTable::text(int record, int field) const {
  if (handle_ == nullptr || field < 1 || field > field_count() || record < 1 || record > record_count())
    return {};
  const char* tuple = DBFReadTuple(handle_->dbf, record - 1);
  if (tuple == nullptr) return {};
  const DbfField& f = fields_[static_cast<std::size_t>(field) - 1];
  std::string_view v(tuple + f.offset, static_cast<std::size_t>(f.width));
  if (f.type == 'C') {
    while (!v.empty() && (v.back() == ' ' || v.back() == '\0')) v.remove_suffix(1);
    return std::string(v);
  }
  return std::string(trim(v));
}

bool DbfTable::deleted(int record) const {
  if (handle_ == nullptr || record < 1 || record > record_count()) return false;
  return DBFIsRecordDeleted(handle_->dbf, record - 1) != 0;
}

bool DbfTable::write(int record, int field, std::string_view value, std::string& problem) {
  if (handle_ == nullptr || !writable_ || field < 1 || field > field_count() || record < 1 ||
      record > record_count()) {
    problem = "Tabelle nicht beschreibbar";
    return false;
  }
  std::string stored;
  if (!fit_value(fields_[static_cast<std::size_t>(field) - 1], value, stored, problem)) return false;
  if (!DBFWriteAttributeDirectly(handle_->dbf, record - 1, field - 1, stored.data())) {
    problem = "Schreibfehler in " + path_;
    return false;
  }
  return true;
}

bool DbfTable::set_deleted(int record, bool deleted) {
  if (handle_ == nullptr || !writable_ || record < 1 || record > record_count()) return false;
  return DBFMarkRecordDeleted(handle_->dbf, record - 1, deleted ? 1 : 0) != 0;
}

int DbfTable::append_blank() {
  if (handle_ == nullptr || !writable_) return 0;
  const int n = record_count();
  for (int i = 0; i < field_count(); ++i) {
    std::string blank(static_cast<std::size_t>(fields_[static_cast<std::size_t>(i)].width), ' ');
    if (!DBFWriteAttributeDirectly(handle_->dbf, n, i, blank.data())) return 0;
  }
  return n + 1;
}

void DbfTable::flush() {
  if (handle_ != nullptr && writable_) DBFUpdateHeader(handle_->dbf);
}

bool DbfTable::reopen(std::string& problem) {
  const std::string path = path_;
  const bool writable = writable_;
  bool unreadable = false;
  return open(path, writable, problem, unreadable);
}

bool DbfTable::pack(std::string& problem) {
  if (handle_ == nullptr || !writable_) {
    problem = "Tabelle nicht beschreibbar";
    return false;
  }
  namespace fs = std::filesystem;
  const fs::path target(path_);
  // shapelib names what it creates "<base>.dbf", so the new file gets a name of that form.
  const fs::path packed = target.parent_path() / ("$pack$" + target.stem().string() + ".dbf");
  DBFHandle out = DBFCloneEmpty(handle_->dbf, packed.c_str());
  bool ok = out != nullptr;
  int written = 0;
  for (int r = 1; ok && r <= record_count(); ++r) {
    if (deleted(r)) continue;
    std::string tuple = raw(r);
    ok = !tuple.empty() && DBFWriteTuple(out, written++, tuple.data());
  }
  if (out != nullptr) DBFClose(out);
  std::error_code ec;
  if (ok) {
    close();
    fs::rename(packed, target, ec);
    ok = !ec;
    path_ = target.string();
    writable_ = true;
    // Open again in either case: the packed file, or the untouched original when renaming failed.
    if (!reopen(problem)) return false;
  }
  if (!ok) {
    fs::remove(packed, ec);
    problem = "Packen von " + target.string() + " fehlgeschlagen";
  }
  return ok;
}

bool DbfTable::create(const std::string& path, const DbfFields& fields, std::string& problem) {
  SAHooks h = hooks();
  DBFHandle dbf = DBFCreateLL(path.c_str(), "LDID/2", &h);
  if (dbf == nullptr) {
    problem = "Datei " + path + " kann nicht angelegt werden";
    return false;
  }
  bool ok = true;
  for (const auto& f : fields) {
    ok = ok && DBFAddNativeFieldType(dbf, f.name.c_str(), f.type, f.width, f.decimals) >= 0;
  }
  DBFClose(dbf);
  if (!ok) problem = "Felder von " + path + " nicht anlegbar";
  return ok;
}

}  // namespace vx11
