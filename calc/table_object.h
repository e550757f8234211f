// The program-wide table object: one dBase table open at a time, its order, finds and the browser.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/dbf_table.h"
#include "calc/table_browser.h"
#include "calc/table_order.h"
#include "calc/table_rows.h"

namespace vx11 {

struct CalcContext;

// The browser's last outcome: the record the person confirmed and how the form was left.
struct BrowseOutcome {
  int confirmed_record = 0;
  bool closed_with_enter = false;  // false: Escape
};

// Announced before editing a copy in the temporary folder (code page 850).
inline constexpr const char* kEditingCopyNotice =
    "Kein Schreibrecht f\x81r dbf-Ordner !  Bearbeitung im Tempor\x84r-Ordner.";
// Index name of the browser's order by a clicked column.
inline constexpr const char* kColumnIndexName = "$korvtemp";

// "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !"
std::string table_not_found_text(const std::string& path);
// The message for a table that could not be opened: not found, or what is damaged.
std::string table_open_problem_text(const std::string& path, const std::string& problem, bool unreadable);

class TableObject;

// Field i of the current record as a record text: cut to max_length, empty when the field
// holds 255 characters or more.
std::string cut_field_text(const TableObject& table, int i, std::size_t max_length);
// Field i read as an integer: the number parser's value rounded, 0 for what is not a number.
long long field_integer(const TableObject& table, int i);
Real field_real(const TableObject& table, int i);

class TableObject {
 public:
  explicit TableObject(TableBrowser& browser) : browser_(&browser) {}
  TableObject(const TableObject&) = delete;
  TableObject& operator=(const TableObject&) = delete;

  void set_browser(TableBrowser& browser) { browser_ = &browser; }
  // Folders as the configuration resolved them; "" means the current folder.
  void set_folders(std::string table_folder, std::string temp_folder);
  // The temporary folder asked for when a copy is made (the run's folder is made when first needed).
  void set_folders(std::string table_folder, std::function<std::string()> temp_folder);
  const std::string& table_folder() const { return table_folder_; }
  std::string temp_folder() const { return temp_folder_ ? temp_folder_() : std::string(); }

  void set_titles(std::string first, std::string second);
  const std::string& first_title() const { return title1_; }
  const std::string& second_title() const { return title2_; }

  // Opens a table by name in the table folder (".dbf" added when the name has no extension)
  // or by a path containing "/", for reading. Reports failures in an error box and sets
  // `cancelled`; does nothing when `cancelled` is already set. Returns whether the table is open.
  bool open_table(CalcContext& ctx, std::string_view name);
  // Makes the open table writable for editing (the editing browser and every edit below call it):
  // in place when its folder and file take writes, else in a copy in the temporary folder.
  bool make_editable(CalcContext& ctx);
  void close_table();
  bool is_open() const { return table_.is_open(); }
  // The file in use: the table itself or its copy in the temporary folder.
  const std::string& file_name() const { return file_name_; }
  bool working_on_copy() const { return on_copy_; }

  // Positions on record n; beyond the end: "DBF #n not found." and the last record.
  void go_to_record(CalcContext& ctx, int n);
  int record_count() const { return table_.record_count(); }
  int current_record() const { return current_; }
  std::string field_text(int i) const { return table_.text(current_, i); }
  std::string field_text(int record, int i) const { return table_.text(record, i); }
  std::string field_name(int i) const;
  int field_count() const { return table_.field_count(); }
  const std::vector<DbfField>& fields() const { return table_.fields(); }
  int field_number(std::string_view name) const { return table_.field_number(name); }
  // A logical field read by name: true for "T", "Y" or "J".
  bool field_logical(std::string_view name) const;

  // Builds an order for the expression and makes it active; the current record stays.
  bool create_index(CalcContext& ctx, std::string_view expression, std::string_view index_name);
  void clear_order();
  bool has_order() const { return order_.has_value(); }
  // Record numbers in the active order (physical order without one).
  std::vector<int> records_in_order(bool include_deleted) const;

  bool find_exact(std::string_view key);
  // Beyond the last key the table stands on the last record of the order and found() is false.
  bool find_nearest(std::string_view key);
  bool found() const { return found_; }

  // The browser's search: the next record in the active order, from the top (new search) or
  // after the current one, whose fields contain the text. Remembers the text.
  bool search(std::string_view text, bool continue_search);
  const std::string& last_search_text() const { return search_text_; }

  // Shows the browser; mode 1 = selection, otherwise editing. OK clears `cancelled`, Cancel sets it.
  void browse(CalcContext& ctx, int mode);
  const BrowseOutcome& browse_outcome() const { return outcome_; }

  // Editing of the open table (current record unless a record is named). Each change replaces the
  // file whole; a failure leaves it as it was and shows an error box.
  bool set_field_text(CalcContext& ctx, int i, std::string_view text);
  bool set_deleted(CalcContext& ctx, int record, bool deleted);
  bool is_deleted(int record) const { return table_.deleted(record); }
  // A blank record at the end, made current.
  bool append_record(CalcContext& ctx);
  // A record at the end with values by field position (the rest blank), made current;
  // nothing is appended when a value does not fit its field.
  bool append_values(CalcContext& ctx, const std::vector<std::string>& values);
  // Several such records in one change, all or none; the last becomes current.
  bool append_rows(CalcContext& ctx, const std::vector<std::vector<std::string>>& rows);
  // Removes the records marked as deleted; the table stays open on record 1.
  bool pack(CalcContext& ctx);
  // Makes a changed table take effect in the active order.
  void refresh_order();

  // The file underneath, for the browser's grid (field widths, raw records).
  const DbfTable& dbf() const { return table_; }

  // The last rows taken from the shaft series and from the material types.
  ShaftSeriesRow shaft_series_row;
  MaterialTypeRow type_row;

 private:
  bool fail(CalcContext& ctx, const std::string& text);
  bool copy_to_temp(CalcContext& ctx, const std::string& path, std::string& copy);
  std::string resolve(std::string_view name) const;

  TableBrowser* browser_;
  std::string table_folder_;
  std::function<std::string()> temp_folder_;
  std::string title1_;
  std::string title2_;

  DbfTable table_;
  std::string source_;     // the table as named
  std::string file_name_;  // what is open: the table or its copy
  bool on_copy_ = false;
  int current_ = 0;
  std::optional<TableOrder> order_;
  std::string order_expression_;
  bool found_ = false;
  std::string search_text_;
  BrowseOutcome outcome_;
};

}  // namespace vx11
