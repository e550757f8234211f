#include "report/spreadsheet_exchange.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "base/paths.h"
#include "report/report_stream.h"
#include "report/result_table_columns.h"
#include "report/spreadsheet_reader.h"
#include "base/text.h"
#include "report/window_copy.h"

namespace vx11 {

namespace {

std::string workbook_folder(const SpreadsheetContext& ctx) {
  return ctx.temp_folder.empty() ? temporary_folder() : with_slash(ctx.temp_folder);
}

// The file name without folder and extension.
std::string base_name(const std::string& path) {
  std::string name = path.substr(path.rfind('/') + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void refuse(SpreadsheetContext& ctx, const std::string& text) {
  ctx.ui.message(kCaptionInfo, text);
  ctx.cancelled = true;
}

bool read_whole_file(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool write_whole_file(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

// Finds the program, writes the workbook and opens it in the program. Any failure is reported and
// sets the abort flag.
bool publish(SpreadsheetContext& ctx, SpreadsheetLink& link, const std::vector<SheetRow>& rows,
             const WorkbookLayout& layout, const std::string& path, const char* cannot_start) {
  std::vector<std::string> argv = spreadsheet_command(link, ctx.starter);
  if (argv.empty()) {
    refuse(ctx, cannot_start);
    return false;
  }
  std::string error;
  if (!write_workbook(path, rows, layout, error)) {
    refuse(ctx, error + " !");
    return false;
  }
  link.workbook = path;
  argv.push_back(file_argument(path));
  if (!ctx.starter.start(argv)) {
    refuse(ctx, cannot_start);
    return false;
  }
  return true;
}

// Algorithm of the input copy: the file's lines into column A.
bool copy_input_file(SpreadsheetContext& ctx, SpreadsheetLink& link, const std::string& input_path) {
  std::string bytes;
  if (input_path.empty() || !read_whole_file(input_path, bytes)) {
    refuse(ctx, spreadsheet_text::kFileNotFound);
    return false;
  }
  WorkbookLayout layout;
  layout.all_text = true;
  layout.column_pixels = {600};
  return publish(ctx, link, input_file_rows(bytes), layout,
                 workbook_folder(ctx) + base_name(input_path) + ".xlsx", spreadsheet_text::kCannotStart);
}

// Restores the two channel settings when the printout ends, however it ends.
class ChannelSettingsGuard {
 public:
  explicit ChannelSettingsGuard(Configuration& config)
      : config_(config), device_(config.text_device), ask_(config.text_device_window) {}
  ~ChannelSettingsGuard() {
    config_.text_device = device_;
    config_.text_device_window = ask_;
  }
  ChannelSettingsGuard(const ChannelSettingsGuard&) = delete;
  ChannelSettingsGuard& operator=(const ChannelSettingsGuard&) = delete;

 private:
  Configuration& config_;
  int device_;
  bool ask_;
};

}  // namespace

std::vector<std::string> spreadsheet_command(const SpreadsheetLink& link, ProcessStarter& starter) {
  std::vector<std::string> argv;
  if (!trimBlanks(link.program).empty() && !is_windows_program(link.program))
    argv = split_command_line(link.program);
  else if (starter.exists("soffice"))
    argv = {"soffice", "--calc"};
  else
    argv = {kDefaultOpener};
  if (argv.empty() || !starter.exists(argv[0])) return {};
  return argv;
}

std::vector<SheetRow> input_file_rows(std::string_view cp850_text) {
  FormatSettings full;  // the lossless conversion, not the ASCII mode's transliteration
  full.ascii_mode = false;
  std::vector<SheetRow> rows;
  std::size_t at = 0;
  while (at < cp850_text.size()) {
    const auto lf = cp850_text.find('\n', at);
    std::string_view line = cp850_text.substr(at, lf == std::string_view::npos ? std::string_view::npos : lf - at);
    if (lf != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    rows.push_back({toWindows(full, line)});
    if (lf == std::string_view::npos) break;
    at = lf + 1;
  }
  return rows;
}

std::string input_file_text(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += toCodePage850(line);
    text += "\r\n";
  }
  return text;
}

std::vector<SheetRow> tab_text_rows(std::istream& in) {
  std::vector<SheetRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    SheetRow row;
    std::size_t at = 0;
    for (;;) {
      const auto tab = line.find('\t', at);
      row.push_back(line.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
      if (tab == std::string::npos) break;
      at = tab + 1;
    }
    if (row.size() == 1 && row[0].empty()) row.clear();
    rows.push_back(std::move(row));
  }
  return rows;
}

bool start_spreadsheet(SpreadsheetContext& ctx, SpreadsheetLink& link, const std::string& input_path) {
  if (input_path.empty()) {
    refuse(ctx, spreadsheet_text::kSaveFirst);
    return false;
  }
  if (spreadsheet_command(link, ctx.starter).empty()) {
    refuse(ctx, spreadsheet_text::kCannotStart);
    link.started = false;
    return false;
  }
  link.started = true;
  copy_input_file(ctx, link, input_path);
  return true;
}

bool export_input_data(SpreadsheetContext& ctx, SpreadsheetLink& link, const std::string& input_path) {
  return copy_input_file(ctx, link, input_path);
}

bool import_input_data(SpreadsheetContext& ctx, SpreadsheetLink& link, const std::string& workbook_path,
                       const std::string& target_path) {
  std::string path = workbook_path;
  if (path.empty()) {
    const std::string folder = link.workbook.empty() ? workbook_folder(ctx) : folder_of(link.workbook);
    const auto chosen = ctx.ui.open_file(spreadsheet_text::kImportTitle, folder, "*.xlsx");
    if (!chosen || chosen->empty()) {
      ctx.cancelled = true;
      return false;
    }
    path = *chosen;
  }
  WorksheetCells cells;
  std::string error;
  if (!read_worksheet(path, cells, error)) {
    refuse(ctx, error);
    return false;
  }
  std::vector<std::string> lines = cells.column_a();
  bool any = false;
  for (const auto& line : lines) any = any || !line.empty();
  if (!any) {
    refuse(ctx, std::string(spreadsheet_text::kNoInputLines) + "\"" + nameText(path) + "\" !");
    return false;
  }
  if (!write_whole_file(target_path, input_file_text(lines))) {
    refuse(ctx, "Schreibfehler: " + nameText(target_path));
    return false;
  }
  return true;
}

PrintoutOutcome printout_to_spreadsheet(SpreadsheetContext& ctx, SpreadsheetLink& link, Configuration& config,
                                        bool fatal_error, TabReportWriter& writer) {
  if (fatal_error) return PrintoutOutcome::ShowMessages;
  if (spreadsheet_command(link, ctx.starter).empty()) {
    refuse(ctx, spreadsheet_text::kCannotStart);
    return PrintoutOutcome::Failed;
  }
  std::string copy;
  {
    ChannelSettingsGuard guard(config);
    config.text_device = kChannelTabFile;
    config.text_device_window = false;
    copy = writer.write_tab_report();
  }
  if (copy.empty() || ctx.cancelled) return PrintoutOutcome::Failed;
  std::ifstream in(copy, std::ios::binary);
  if (!in.is_open()) {
    refuse(ctx, nameText(copy) + " not found !");
    return PrintoutOutcome::Failed;
  }
  WorkbookLayout layout;
  layout.decimal = ctx.format.tab_file_separator == 1 ? '.' : ',';
  const std::string workbook = folder_of(copy) + base_name(copy) + ".xlsx";
  return publish(ctx, link, tab_text_rows(in), layout, workbook, spreadsheet_text::kCannotStart)
             ? PrintoutOutcome::Done
             : PrintoutOutcome::Failed;
}

bool export_result_grid(SpreadsheetContext& ctx, SpreadsheetLink& link, const ResultTable& table) {
  WorkbookLayout layout;
  layout.decimal = ctx.format.decimal_separator == 2 ? ',' : '.';
  layout.column_pixels.assign(kResultTableWidths.begin(), kResultTableWidths.end());
  std::vector<SheetRow> rows;
  rows.reserve(table.rows.size());
  for (const ResultRow& row : table.rows) rows.emplace_back(row.begin(), row.end());
  return publish(ctx, link, rows, layout, workbook_folder(ctx) + "preview.xlsx", spreadsheet_text::kCannotStartTable);
}

}  // namespace vx11
