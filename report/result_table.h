// The result table: every input data file of the data directory read, rated and shown as one row;
// the grid's behaviour on clicks; the loop that opens the chosen file.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "calc/connection_record.h"
#include "base/identity.h"
#include "base/format_settings.h"
#include "report/result_table_columns.h"
#include "base/help_numbers.h"

namespace vx11 {

struct InputFileEntry {
  std::string name;  // as on disk
  std::string path;
  std::time_t date = 0;  // last change
};

// The input data files of `folder` (empty: the current folder): regular files whose name ends with
// "." and the extension in any case, ordered by name.
std::vector<InputFileEntry> list_input_files(const std::string& folder, std::string_view extension);

// What reading and rating one file gave.
struct FileRating {
  bool read = false;    // the inputs were taken from the file
  bool fatal = false;   // the rating stopped
  std::string message;  // code page 850: why the file could not be read, or the stop message
};

// Reads one input data file into `rec` and rates it. The program's own reader and rating sit behind
// it; a file that fails must only say so in the result, never stop or ask.
class FileRater {
 public:
  virtual ~FileRater() = default;
  virtual FileRating rate(const std::string& path, ConnectionRecord& rec) = 0;
};

// Shown while scanning: the busy cursor and the main window caption. May set the abort flag
// (the person stopped the scan).
class ScanProgress {
 public:
  virtual ~ScanProgress() = default;
  virtual void scanning(const std::string& caption, bool& cancelled) = 0;
};

// The grid's rows (row 0 the heads) and the state of its form.
class ResultTable {
 public:
  std::string data_directory;
  std::vector<ResultRow> rows;
  int selected_row = 0;  // 0 = none

  int row_count() const { return static_cast<int>(rows.size()); }
  // The input data file of row 1..n; empty for other rows.
  std::string file_path(int row) const;

  // A left click on a cell. A head cell sorts by its column; a cell in another row than the stored
  // one stores that row, clears the abort flag and returns true: the grid closes.
  bool click(int row, int column, bool& cancelled);
  // "E&xit" and closing the window.
  void exit(bool& cancelled) { cancelled = true; }
  // Help: the help number to show; the abort flag is cleared.
  int help(bool& cancelled) {
    cancelled = false;
    return kHelpResultTable;
  }
};

// The form's caption: the short name, two blanks and the data directory.
std::string result_table_caption(const ProgramIdentity& id, const std::string& data_directory);
// The main window's caption while a file is rated.
std::string scan_caption(const ProgramIdentity& id, std::string_view file_name);

// Reads and rates every input data file of the folder, one row each, until the abort flag is set.
// The flag is cleared after each file, so a failing file does not stop the scan. The record is a
// working copy: the program's inputs stay as they were.
ResultTable scan_result_table(const std::string& data_directory, std::string_view extension,
                              const FormatSettings& format, const ProgramIdentity& id, FileRater& rater,
                              ScanProgress* progress, bool& cancelled);

// The grid shown modally; returns when it closed (by a row choice, Exit or the window).
class ResultTableView {
 public:
  virtual ~ResultTableView() = default;
  virtual void show_modal(ResultTable& table, bool& cancelled) = 0;
};

// Opens the file of a chosen row: makes it the current file, reads and rates it, refreshes the window.
class ChosenFileOpener {
 public:
  virtual ~ChosenFileOpener() = default;
  virtual void open(const std::string& path, bool& cancelled) = 0;
};

// Shows the grid again and again until the abort flag is set; each row choice opens its file.
void run_result_table(ResultTable& table, ResultTableView& view, ChosenFileOpener& opener, bool& cancelled);

}  // namespace vx11
