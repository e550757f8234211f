// The spreadsheet link: the input data file copied into a workbook and read back, the result report
// and the result table sent to the spreadsheet program. Workbooks are .xlsx files in the temporary
// folder, opened in the spreadsheet program, which is started without waiting for it.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "base/configuration_record.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "report/report_outlets.h"
#include "report/result_table.h"
#include "report/spreadsheet_writer.h"

namespace vx11 {

namespace spreadsheet_text {
inline constexpr const char* kCannotStart = "Excel kann nicht gestartet werden";
inline constexpr const char* kCannotStartTable = "Could not start Excel";
inline constexpr const char* kSaveFirst =
    "Zuerst m\x81ssen Sie Ihre Eingabedaten speichern (Men\x81 \"Datei->Speichern\")";
inline constexpr const char* kFileNotFound = "File not found. Use \"File->Save\"";
inline constexpr const char* kImportTitle = "Import Excel -> VX11";
inline constexpr const char* kNoInputLines = "Keine Eingabedaten in Spalte A von ";
}  // namespace spreadsheet_text

// The program that opens workbooks, and what the link has done so far.
struct SpreadsheetLink {
  std::string program;   // command line; empty: "soffice --calc" when soffice is found, else "xdg-open"
  bool started = false;  // "Start Excel" found the program: Export and Import may be enabled
  std::string workbook;  // the workbook last written
};

struct SpreadsheetContext {
  const FormatSettings& format;
  Interaction& ui;
  ProcessStarter& starter;
  std::string temp_folder;  // where workbooks go; empty: the system's temporary folder
  bool& cancelled;          // the program's abort flag
};

// The words of the command that opens a workbook (the workbook's path is added last); empty when
// the program cannot be found.
std::vector<std::string> spreadsheet_command(const SpreadsheetLink& link, ProcessStarter& starter);

// The lines of an input data file (code page 850, CR LF or LF) as one-cell rows of window text. The
// conversion is the full one whatever the ASCII mode says, so reading the rows back gives the same bytes.
std::vector<SheetRow> input_file_rows(std::string_view cp850_text);
// Texts of column A back to the bytes of an input data file: code page 850, every line ended by CR LF.
std::string input_file_text(const std::vector<std::string>& lines);
// Lines of tab-separated window text, one cell per field.
std::vector<SheetRow> tab_text_rows(std::istream& in);

// "Start Excel": without a current input file (empty path) asks to save first; without the program
// says it cannot start; otherwise copies the input data file into a workbook and opens it. True
// when the program was found (the link is started), also when the copy then failed.
bool start_spreadsheet(SpreadsheetContext& ctx, SpreadsheetLink& link, const std::string& input_path);

// "Export VX11 -> Excel": the caller writes unsaved inputs to the file first. The file's lines go into
// column A of a workbook named after it, which is then opened.
bool export_input_data(SpreadsheetContext& ctx, SpreadsheetLink& link, const std::string& input_path);

// "Import Excel -> VX11": column A of the workbook's active sheet, rows 1.., becomes the input data file
// `target_path`; the caller then reads that file and rates it. An empty `workbook_path` asks for the
// workbook, starting in the folder of the last one written. A damaged workbook or an empty column A
// is reported and leaves the target untouched.
bool import_input_data(SpreadsheetContext& ctx, SpreadsheetLink& link, const std::string& workbook_path,
                       const std::string& target_path);

// Writes the result report (channel 6 is set when it is called) and returns the path of its converted
// tab-separated copy, empty when nothing was written.
class TabReportWriter {
 public:
  virtual ~TabReportWriter() = default;
  virtual std::string write_tab_report() = 0;
};

enum class PrintoutOutcome { Done, ShowMessages, Failed };

// "Printout -> Excel": with the fatal flag the caller shows the messages instead. Otherwise writes the
// report through channel 6 (no channel question), "Text Device" and "Text Device Window ?" restored
// afterwards whatever happens, and opens the copy as a workbook, one cell per tab field.
PrintoutOutcome printout_to_spreadsheet(SpreadsheetContext& ctx, SpreadsheetLink& link, Configuration& config,
                                        bool fatal_error, TabReportWriter& writer);

// The result table's "Export Excel": every row and column of the grid into a workbook, opened.
bool export_result_grid(SpreadsheetContext& ctx, SpreadsheetLink& link, const ResultTable& table);

}  // namespace vx11
