// One dBase table file held open through shapelib, its header checked first; fields by number.
// The file is read through the library and never written in place: every change is made by the
// library in a copy beside the file, which replaces the file only once it is complete and checked,
// so a full disk or a write error leaves the table byte for byte as it was.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vx11 {

class ReplacementFile;

struct DbfField {
  std::string name;
  char type = 'C';  // C, N, F, L or D
  int width = 0;
  int decimals = 0;
  int offset = 0;   // within the raw record, after the deletion flag
  bool numeric() const { return type == 'N' || type == 'F'; }
};

// Field descriptions for a new table; names up to 10 characters.
using DbfFields = std::vector<DbfField>;

class DbfTable {
 public:
  DbfTable();
  ~DbfTable();
  DbfTable(const DbfTable&) = delete;
  DbfTable& operator=(const DbfTable&) = delete;

  // Opens after checking the header; on failure returns false and sets `problem` (code page 850).
  // `unreadable` tells a file that cannot be read at all from one that is damaged. `writable` asks
  // for changes; they are allowed when the file and its folder take writes.
  bool open(const std::string& path, bool writable, std::string& problem, bool& unreadable);
  void close();
  bool is_open() const { return handle_ != nullptr; }
  bool writable() const { return writable_; }
  const std::string& path() const { return path_; }

  int record_count() const;
  int field_count() const { return static_cast<int>(fields_.size()); }
  const std::vector<DbfField>& fields() const { return fields_; }
  // 1-based field number of a name, without regard to case; 0 when there is none.
  int field_number(std::string_view name) const;

  // Field text of record n (1-based), as stored: numbers without surrounding blanks,
  // character fields without trailing blanks. Empty for numbers out of range.
  std::string text(int record, int field) const;
  bool deleted(int record) const;
  // The raw bytes of a record, deletion flag first; empty when out of range.
  std::string raw(int record) const;

  // Changes need a writable table; values must fit their field (see fit_value). Each call is one
  // complete replacement of the file; on failure `problem` says why and the file is unchanged.
  bool write(int record, int field, std::string_view value, std::string& problem);
  bool set_deleted(int record, bool deleted, std::string& problem);
  // Appends a blank record and returns its number, 0 on failure.
  int append_blank(std::string& problem);
  // Appends records with values by field position (the rest blank), all or none.
  bool append_rows(const std::vector<std::vector<std::string>>& rows, std::string& problem);
  // Rewrites the file without deleted records; the table stays open on the new file.
  bool pack(std::string& problem);

  // Creates an empty table in code page 850 (language driver 2); false with `problem` on failure.
  static bool create(const std::string& path, const DbfFields& fields, std::string& problem);

 private:
  struct Handle;
  bool reopen(std::string& problem);
  // Copies the file beside itself, lets `change` work on the copy through the library and puts the
  // copy in the file's place when the library wrote it without an error and it holds `records`
  // records. The table stays open: on the new file, or after a failure on the untouched old one.
  template <typename Change>
  bool change_copy(Change&& change, int records, std::string& problem);
  // The end of every change: checks what the library wrote into the copy and puts it in place.
  bool replace_with(ReplacementFile& copy, int records, std::string& problem);
  Handle* handle_ = nullptr;
  bool writable_ = false;
  std::string path_;
  std::vector<DbfField> fields_;
};

// The text a value takes in a field: numbers right-aligned with the field's decimals
// ("1,5" is read as 1.5), logical values "T" or "F", texts as they are.
// Returns false with `problem` when it does not fit the width without loss.
bool fit_value(const DbfField& field, std::string_view value, std::string& stored, std::string& problem);

}  // namespace vx11
