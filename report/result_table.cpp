#include "report/result_table.h"

#include <sys/stat.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>

#include "base/paths.h"
#include "report/result_table_sort.h"
#include "base/text.h"

namespace vx11 {

namespace {

bool has_extension(std::string_view name, std::string_view extension) {
  if (name.size() <= extension.size()) return false;
  if (name[name.size() - extension.size() - 1] != '.') return false;
  return lower(name.substr(name.size() - extension.size())) == lower(extension);
}

}  // namespace

std::vector<InputFileEntry> list_input_files(const std::string& folder, std::string_view extension) {
  namespace fs = std::filesystem;
  std::vector<InputFileEntry> files;
  std::error_code ec;
  const std::string prefix = with_slash(folder);
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!has_extension(name, extension)) continue;
    std::string path = prefix + name;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    files.push_back({std::move(name), std::move(path), st.st_mtime});
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return files;
}

std::string ResultTable::file_path(int row) const {
  if (row < 1 || row >= row_count()) return {};
  return with_slash(data_directory) + rows[static_cast<std::size_t>(row)][result_column::kFile];
}

bool ResultTable::click(int row, int column, bool& cancelled) {
  if (row == 0) {
    sort_result_rows(rows, column);
    return false;
  }
  if (row < 1 || row >= row_count() || row == selected_row) return false;
  selected_row = row;
  cancelled = false;
  return true;
}

std::string result_table_caption(const ProgramIdentity& id, const std::string& data_directory) {
  return id.short_name + "  " + nameText(data_directory);
}

std::string scan_caption(const ProgramIdentity& id, std::string_view file_name) {
  return id.title + " -> " + nameText(file_name);
}

ResultTable scan_result_table(const std::string& data_directory, std::string_view extension,
                              const FormatSettings& format, const ProgramIdentity& id, FileRater& rater,
                              ScanProgress* progress, bool& cancelled) {
  ResultTable table;
  table.data_directory = data_directory;
  table.rows.push_back(result_table_heads(format));
  ConnectionRecord rec;
  for (const InputFileEntry& file : list_input_files(data_directory, extension)) {
    if (cancelled) break;
    if (progress) {
      progress->scanning(scan_caption(id, file.name), cancelled);
      if (cancelled) break;
    }
    // Every file starts from the same inputs, so nothing of the previous file shows in its row.
    set_startup_defaults(rec);
    FileRating rating;
    try {
      rating = rater.rate(file.path, rec);
    } catch (const std::exception& e) {
      rating = {false, false, std::string("Fehler : ") + e.what()};
    }
    cancelled = false;
    if (!rating.read)
      table.rows.push_back(result_table_error_row(format, file.name, file.date, rating.message));
    else if (rating.fatal)
      table.rows.push_back(result_table_fatal_row(format, file.name, file.date, rec, rating.message));
    else
      table.rows.push_back(result_table_row(format, file.name, file.date, rec));
  }
  return table;
}

void run_result_table(ResultTable& table, ResultTableView& view, ChosenFileOpener& opener, bool& cancelled) {
  while (!cancelled) {
    const int before = table.selected_row;
    view.show_modal(table, cancelled);
    if (cancelled) break;
    // Closing without a new choice would show the same grid forever.
    if (table.selected_row == before) break;
    opener.open(table.file_path(table.selected_row), cancelled);
  }
}

}  // namespace vx11
