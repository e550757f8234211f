#include "calc/dbf_table.h"

#include <shapefil.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <ctime>
#include <fstream>
#include <iterator>

#include "calc/dbf_header.h"
#include "base/safe_file.h"
#include "base/text.h"

namespace vx11 {

struct DbfTable::Handle {
  DBFHandle dbf = nullptr;
};

namespace {

// shapelib reports its own failures through this hook; ours come from the header check and
// the return values, so its texts are not needed.
void quiet(const char*) {}

const SAHooks& library_hooks() {
  static const SAHooks h = [] {
    SAHooks d;
    SASetupDefaultHooks(&d);
    return d;
  }();
  return h;
}

// The library does not tell every failed write (closing a table returns nothing), so its file
// operations are watched: while a watch lives, the first failure of a write, seek, flush or close
// is kept in it. One watch per change; the library runs on the window thread only.
class IoWatch {
 public:
  IoWatch() : previous_(current) { current = this; }
  ~IoWatch() { current = previous_; }
  IoWatch(const IoWatch&) = delete;
  IoWatch& operator=(const IoWatch&) = delete;
  int error() const { return error_; }

  static void note(int error) {
    if (current != nullptr && current->error_ == 0) current->error_ = error != 0 ? error : EIO;
  }

 private:
  static thread_local IoWatch* current;
  IoWatch* previous_;
  int error_ = 0;
};
thread_local IoWatch* IoWatch::current = nullptr;

SAOffset watched_write(void* p, SAOffset size, SAOffset count, SAFile file) {
  errno = 0;
  const SAOffset n = library_hooks().FWrite(p, size, count, file);
  if (n != count) IoWatch::note(errno);
  return n;
}

SAOffset watched_seek(SAFile file, SAOffset offset, int whence) {
  errno = 0;
  const SAOffset r = library_hooks().FSeek(file, offset, whence);
  if (r != 0) IoWatch::note(errno);
  return r;
}

int watched_flush(SAFile file) {
  errno = 0;
  const int r = library_hooks().FFlush(file);
  if (r != 0) IoWatch::note(errno);
  return r;
}

int watched_close(SAFile file) {
  errno = 0;
  const int r = library_hooks().FClose(file);
  if (r != 0) IoWatch::note(errno);
  return r;
}

SAHooks hooks() {
  SAHooks h = library_hooks();
  h.Error = quiet;
  h.FWrite = watched_write;
  h.FSeek = watched_seek;
  h.FFlush = watched_flush;
  h.FClose = watched_close;
  return h;
}

std::string write_problem(const std::string& path, int error) {
  return "Schreibfehler in " + nameText(path) + " (I/O-Error " + std::to_string(error) +
         "), die Tabelle bleibt unver\x84ndert";
}

// Changes go to a copy beside the file and a rename: both need a folder that takes files.
bool may_replace(const std::string& path) {
  const std::string target = link_target(path);
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  return ::access(target.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool read_whole(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
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
  DBFHandle dbf = DBFOpenLL(path.c_str(), "rb", &h);
  if (dbf == nullptr) {
    unreadable = true;
    return false;
  }
  handle_ = new Handle{dbf};
  writable_ = writable && may_replace(path);
  path_ = path;
  fields_.clear();
  int offset = 1;
  for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
    char name[XBASE_FLDNAME_LEN_READ + 1] = {};
    int width = 0;
    int decimals = 0;
    if (DBFGetFieldInfo(dbf, i, name, &width, &decimals) == FTInvalid) {
      close();
      problem = "Feldbeschreibung nicht lesbar";
      return false;
    }
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

template <typename Change>
bool DbfTable::change_copy(Change&& change, int records, std::string& problem) {
  if (handle_ == nullptr || !writable_) {
    problem = "Tabelle nicht beschreibbar";
    return false;
  }
  std::string bytes;
  if (!read_whole(path_, bytes)) {
    problem = "Datei " + nameText(path_) + " nicht lesbar";
    return false;
  }
  // shapelib finds a table by the extension ".dbf", so the copy's name ends with it.
  ReplacementFile copy(path_, ".dbf");
  int err = copy.error() != 0 ? copy.error() : copy.write(bytes);
  if (err != 0) {
    problem = write_problem(path_, err);
    return false;
  }
  {
    IoWatch watch;
    SAHooks h = hooks();
    DBFHandle dbf = DBFOpenLL(copy.temp_path().c_str(), "rb+", &h);
    if (dbf == nullptr) {
      problem = write_problem(path_, watch.error() != 0 ? watch.error() : EIO);
      return false;
    }
    const bool changed = change(dbf, problem);
    DBFClose(dbf);
    if (!changed) return false;
    if (watch.error() != 0) {
      problem = write_problem(path_, watch.error());
      return false;
    }
  }
  return replace_with(copy, records, problem);
}

bool DbfTable::replace_with(ReplacementFile& copy, int records, std::string& problem) {
  // What the library wrote is read back like any table before it takes the old file's place.
  const DbfCheck check = check_dbf_file(copy.temp_path());
  if (!check.ok || static_cast<int>(check.layout.record_count) != records ||
      check.layout.field_count != field_count()) {
    problem = write_problem(path_, EIO);
    return false;
  }
  if (const int err = copy.commit(); err != 0) {
    problem = write_problem(path_, err);
    return false;
  }
  return reopen(problem);
}

bool DbfTable::write(int record, int field, std::string_view value, std::string& problem) {
  if (handle_ == nullptr || !writable_ || field < 1 || field > field_count() || record < 1 ||
      record > record_count()) {
    problem = "Tabelle nicht beschreibbar";
    return false;
  }
  std::string stored;
  if (!fit_value(fields_[static_cast<std::size_t>(field) - 1], value, stored, problem)) return false;
  const auto change = [&](DBFHandle dbf, std::string& why) {
    if (DBFWriteAttributeDirectly(dbf, record - 1, field - 1, stored.data())) return true;
    why = write_problem(path_, EIO);
    return false;
  };
  return change_copy(change, record_count(), problem);
}

bool DbfTable::set_deleted(int record, bool deleted, std::string& problem) {
  if (handle_ == nullptr || !writable_ || record < 1 || record > record_count()) {
    problem = "Satz " + std::to_string(record) + " nicht markierbar";
    return false;
  }
  const auto change = [&](DBFHandle dbf, std::string& why) {
    if (DBFMarkRecordDeleted(dbf, record - 1, deleted ? 1 : 0)) return true;
    why = write_problem(path_, EIO);
    return false;
  };
  return change_copy(change, record_count(), problem);
}

int DbfTable::append_blank(std::string& problem) {
  return append_rows({{}}, problem) ? record_count() : 0;
}

bool DbfTable::append_rows(const std::vector<std::vector<std::string>>& rows, std::string& problem) {
  if (handle_ == nullptr || !writable_) {
    problem = "Tabelle nicht beschreibbar";
    return false;
  }
  // Every record is made whole first: a value that does not fit appends nothing.
  std::vector<std::string> tuples;
  for (const auto& row : rows) {
    if (row.size() > fields_.size()) {
      problem = "Mehr Werte als Felder in " + nameText(path_);
      return false;
    }
    std::string tuple = " ";  // not deleted
    for (std::size_t f = 0; f < fields_.size(); ++f) {
      std::string stored(static_cast<std::size_t>(fields_[f].width), ' ');
      if (f < row.size() && !fit_value(fields_[f], row[f], stored, problem)) return false;
      tuple += stored;
    }
    tuples.push_back(std::move(tuple));
  }
  const int first = record_count();
  const auto change = [&](DBFHandle dbf, std::string& why) {
    for (std::size_t i = 0; i < tuples.size(); ++i) {
      if (!DBFWriteTuple(dbf, first + static_cast<int>(i), tuples[i].data())) {
        why = write_problem(path_, EIO);
        return false;
      }
    }
    return true;
  };
  return change_copy(change, first + static_cast<int>(tuples.size()), problem);
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
  std::vector<std::string> kept;
  for (int r = 1; r <= record_count(); ++r) {
    if (deleted(r)) continue;
    std::string tuple = raw(r);
    if (tuple.empty()) {
      problem = "Satz " + std::to_string(r) + " von " + nameText(path_) + " nicht lesbar";
      return false;
    }
    kept.push_back(std::move(tuple));
  }
  const char* code_page = DBFGetCodePage(handle_->dbf);
  // Only a language driver travels in the header; a code page of its own would need a ".cpg" file.
  const bool driver = code_page != nullptr && std::string_view(code_page).starts_with("LDID/");
  ReplacementFile packed(path_, ".dbf");
  if (packed.error() != 0) {
    problem = write_problem(path_, packed.error());
    return false;
  }
  {
    IoWatch watch;
    SAHooks h = hooks();
    // A table of its own instead of the library's clone of an empty table: that one uses a
    // reopened file without checking it and fails hard when the disk is full.
    DBFHandle out = DBFCreateLL(packed.temp_path().c_str(), driver ? code_page : nullptr, &h);
    if (out == nullptr) {
      problem = write_problem(path_, watch.error() != 0 ? watch.error() : EIO);
      return false;
    }
    bool ok = true;
    for (const auto& f : fields_)
      ok = ok && DBFAddNativeFieldType(out, f.name.c_str(), f.type, f.width, f.decimals) >= 0;
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    DBFSetLastModifiedDate(out, today.tm_year, today.tm_mon + 1, today.tm_mday);
    for (std::size_t i = 0; ok && i < kept.size(); ++i)
      ok = DBFWriteTuple(out, static_cast<int>(i), kept[i].data()) != 0;
    DBFClose(out);
    if (!ok || watch.error() != 0) {
      problem = write_problem(path_, watch.error() != 0 ? watch.error() : EIO);
      return false;
    }
  }
  return replace_with(packed, static_cast<int>(kept.size()), problem);
}

bool DbfTable::create(const std::string& path, const DbfFields& fields, std::string& problem) {
  ReplacementFile file(path, ".dbf");
  if (file.error() != 0) {
    problem = "Datei " + nameText(path) + " kann nicht angelegt werden";
    return false;
  }
  {
    IoWatch watch;
    SAHooks h = hooks();
    DBFHandle dbf = DBFCreateLL(file.temp_path().c_str(), "LDID/2", &h);
    if (dbf == nullptr) {
      problem = "Datei " + nameText(path) + " kann nicht angelegt werden";
      return false;
    }
    bool ok = true;
    for (const auto& f : fields) ok = ok && DBFAddNativeFieldType(dbf, f.name.c_str(), f.type, f.width, f.decimals) >= 0;
    DBFClose(dbf);
    if (!ok) {
      problem = "Felder von " + nameText(path) + " nicht anlegbar";
      return false;
    }
    if (watch.error() != 0) {
      problem = write_problem(path, watch.error());
      return false;
    }
  }
  if (const int err = file.commit(); err != 0) {
    problem = write_problem(path, err);
    return false;
  }
  return true;
}

}  // namespace vx11
