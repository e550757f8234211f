// The spreadsheet link: input data file to workbook and back, the report and the grid as workbooks,
// the program check and the messages, and the settings the printout borrows.
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "report/spreadsheet_exchange.h"
#include "project/configuration.h"
#include "report/spreadsheet_reader.h"
#include "sheet_helpers.h"

namespace vx11 {
namespace {

using test::RecordingStarter;
using test::ScratchFolder;

// An input data file as the program writes it: CR LF lines in code page 850, with umlauts, empty and
// blank lines, blanks at both ends, number texts a spreadsheet would like to convert, a line longer
// than the 255 characters of a single conversion, and underscores that look like XML escapes.
std::string sample_input_file() {
  std::string text;
  for (const std::string& line : std::vector<std::string>{
           "VX11  -  Scheibenfederberechnung", "1.1", "", "Gro\xE1" "e Welle f\x81r M\x84hdrescher \x8E\x99\x9A",
           "    35.000", "0,500", "1E3", "007", "   ", "Zeichnung_x0041_Nr", "\xF8\xFD\xF1\xE6",
           std::string(300, 'x') + "\x84" + std::string(20, 'y'), "=SUMME(A1:A2)", "'apostroph", "", ""})
    text += line + "\r\n";
  return text;
}

struct Fixture : ::testing::Test {
  ScratchFolder dir;
  FormatSettings format;
  ScriptedInteraction ui;
  RecordingStarter starter{{"soffice", "xdg-open"}};
  bool cancelled = false;
  SpreadsheetContext ctx{format, ui, starter, dir.str(), cancelled};
  SpreadsheetLink link;
};

using SpreadsheetExchange = Fixture;

TEST_F(SpreadsheetExchange, ExportThenImportGivesTheSameFileByteForByte) {
  dir.write("welle.vxk", sample_input_file());
  ASSERT_TRUE(export_input_data(ctx, link, dir.file("welle.vxk"))) << ui.shown.front();
  const std::string workbook = dir.file("welle.xlsx");
  EXPECT_EQ(link.workbook, workbook);
  ASSERT_EQ(starter.started.size(), 1u);
  EXPECT_EQ(starter.started[0], (std::vector<std::string>{"soffice", "--calc", workbook}));

  ASSERT_TRUE(import_input_data(ctx, link, workbook, dir.file("back.vxk")));
  EXPECT_EQ(test::read_file(dir.file("back.vxk")), sample_input_file());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(cancelled);
}

TEST_F(SpreadsheetExchange, AsciiModeDoesNotTouchTheCopiedInputData) {
  format.ascii_mode = true;
  dir.write("a.vxk", sample_input_file());
  ASSERT_TRUE(export_input_data(ctx, link, dir.file("a.vxk")));
  ASSERT_TRUE(import_input_data(ctx, link, dir.file("a.xlsx"), dir.file("b.vxk")));
  EXPECT_EQ(test::read_file(dir.file("b.vxk")), sample_input_file());
}

TEST_F(SpreadsheetExchange, InputWorkbookOpensInAnotherReaderAsTextInColumnA) {
  dir.write("welle.vxk", sample_input_file());
  ASSERT_TRUE(export_input_data(ctx, link, dir.file("welle.vxk")));
  const std::vector<std::string> cells = test::cells_seen_by_openpyxl(dir.file("welle.xlsx"));
  ASSERT_GE(cells.size(), 13u) << (cells.empty() ? "" : cells.back());
  EXPECT_EQ(cells[0], "A1\ts\tVX11  -  Scheibenfederberechnung");
  EXPECT_EQ(cells[1], "A2\ts\t1.1");
  EXPECT_EQ(cells[2], "A4\ts\tGro\xC3\x9F" "e Welle f\xC3\xBCr M\xC3\xA4hdrescher \xC3\x84\xC3\x96\xC3\x9C");
  EXPECT_EQ(cells[3], "A5\ts\t    35.000");
  EXPECT_EQ(cells[4], "A6\ts\t0,500");
  EXPECT_EQ(cells[5], "A7\ts\t1E3");
  EXPECT_EQ(cells[7], "A9\ts\t   ");
  EXPECT_EQ(cells[8], "A10\ts\tZeichnung_x0041_Nr");
  EXPECT_EQ(cells[9], "A11\ts\t\xC2\xB0\xC2\xB2\xC2\xB1\xC2\xB5");
  EXPECT_EQ(cells[10], "A12\ts\t" + std::string(300, 'x') + "\xC3\xA4" + std::string(20, 'y'));
  EXPECT_EQ(cells[11], "A13\ts\t=SUMME(A1:A2)");
  EXPECT_EQ(cells.size(), 13u);
}

TEST_F(SpreadsheetExchange, ProgramChoice) {
  struct Case {
    const char* name;
    std::string program;
    std::set<std::string> installed;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"default with soffice", "", {"soffice", "xdg-open"}, {"soffice", "--calc"}},
      {"default without soffice", "", {"xdg-open"}, {"xdg-open"}},
      {"nothing installed", "", {}, {}},
      {"configured", "gnumeric --no-splash", {"gnumeric", "soffice"}, {"gnumeric", "--no-splash"}},
      {"configured but missing", "gnumeric", {"soffice"}, {}},
      {"configured blanks only", "   ", {"xdg-open"}, {"xdg-open"}},
  };
  for (const Case& c : cases) {
    RecordingStarter installed(c.installed);
    SpreadsheetLink l;
    l.program = c.program;
    EXPECT_EQ(spreadsheet_command(l, installed), c.expected) << c.name;
  }
}

TEST_F(SpreadsheetExchange, StartWithoutInputFileAsksToSaveFirst) {
  EXPECT_FALSE(start_spreadsheet(ctx, link, ""));
  EXPECT_TRUE(cancelled);
  EXPECT_FALSE(link.started);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Meldung:|Zuerst m\x81ssen Sie Ihre Eingabedaten speichern (Men\x81 \"Datei->Speichern\")");
  EXPECT_TRUE(starter.started.empty());
}

TEST_F(SpreadsheetExchange, StartWithoutProgramCannotStart) {
  RecordingStarter none({});
  SpreadsheetContext bare{format, ui, none, dir.str(), cancelled};
  dir.write("a.vxk", sample_input_file());
  EXPECT_FALSE(start_spreadsheet(bare, link, dir.file("a.vxk")));
  EXPECT_TRUE(cancelled);
  EXPECT_FALSE(link.started);
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Meldung:|Excel kann nicht gestartet werden"}));
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.xlsx")));
}

TEST_F(SpreadsheetExchange, StartCopiesTheInputFileAndEnablesTheLink) {
  dir.write("a.vxk", sample_input_file());
  EXPECT_TRUE(start_spreadsheet(ctx, link, dir.file("a.vxk")));
  EXPECT_TRUE(link.started);
  EXPECT_TRUE(std::filesystem::exists(dir.file("a.xlsx")));
  EXPECT_EQ(starter.started.size(), 1u);
}

TEST_F(SpreadsheetExchange, StartWithAMissingInputFileStillStartsTheLink) {
  EXPECT_TRUE(start_spreadsheet(ctx, link, dir.file("weg.vxk")));
  EXPECT_TRUE(link.started);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Meldung:|File not found. Use \"File->Save\""}));
}

TEST_F(SpreadsheetExchange, ExportWithoutFileNameOrFile) {
  for (const std::string& path : {std::string(), dir.file("weg.vxk")}) {
    cancelled = false;
    ui.shown.clear();
    EXPECT_FALSE(export_input_data(ctx, link, path));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"Meldung:|File not found. Use \"File->Save\""}));
  }
  EXPECT_TRUE(starter.started.empty());
}

TEST_F(SpreadsheetExchange, ExportIntoAMissingFolderSaysSoAndStartsNothing) {
  dir.write("a.vxk", sample_input_file());
  SpreadsheetContext nowhere{format, ui, starter, dir.file("no/such/folder"), cancelled};
  EXPECT_FALSE(export_input_data(nowhere, link, dir.file("a.vxk")));
  EXPECT_TRUE(cancelled);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_TRUE(ui.shown[0].starts_with("Meldung:|Arbeitsmappe ")) << ui.shown[0];
  EXPECT_TRUE(starter.started.empty());
}

TEST_F(SpreadsheetExchange, ImportAsksForTheWorkbookInTheFolderOfTheLastOne) {
  dir.write("a.vxk", sample_input_file());
  ASSERT_TRUE(export_input_data(ctx, link, dir.file("a.vxk")));
  ui.files = {dir.file("a.xlsx")};
  ASSERT_TRUE(import_input_data(ctx, link, "", dir.file("b.vxk")));
  EXPECT_EQ(ui.asked, (std::vector<std::string>{"Import Excel -> VX11|" + dir.str() + "/"}));
  EXPECT_EQ(test::read_file(dir.file("b.vxk")), sample_input_file());
}

TEST_F(SpreadsheetExchange, ImportCancelledInTheDialog) {
  ui.files = {std::nullopt};
  EXPECT_FALSE(import_input_data(ctx, link, "", dir.file("b.vxk")));
  EXPECT_TRUE(cancelled);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.file("b.vxk")));
}

TEST_F(SpreadsheetExchange, ImportOfAnEmptyColumnAKeepsTheTarget) {
  test::write_package(dir.file("leer.xlsx"), test::workbook_parts("<row r=\"1\"><c r=\"B1\"><v>5</v></c></row>"));
  dir.write("b.vxk", "bisher");
  EXPECT_FALSE(import_input_data(ctx, link, dir.file("leer.xlsx"), dir.file("b.vxk")));
  EXPECT_TRUE(cancelled);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Meldung:|Keine Eingabedaten in Spalte A von \"" + dir.file("leer.xlsx") + "\" !");
  EXPECT_EQ(test::read_file(dir.file("b.vxk")), "bisher");
}

TEST_F(SpreadsheetExchange, ImportOfADamagedWorkbookKeepsTheTarget) {
  dir.write("kaputt.xlsx", "PK\x03\x04 not really");
  dir.write("b.vxk", "bisher");
  EXPECT_FALSE(import_input_data(ctx, link, dir.file("kaputt.xlsx"), dir.file("b.vxk")));
  EXPECT_TRUE(cancelled);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(test::read_file(dir.file("b.vxk")), "bisher");
}

// Writes a tab-separated report copy and records the channel settings it was called with.
class FakeTabReport : public TabReportWriter {
 public:
  FakeTabReport(const Configuration& config, std::string path, std::string text)
      : config_(config), path_(std::move(path)), text_(std::move(text)) {}
  std::string write_tab_report() override {
    device_seen = config_.text_device;
    ask_seen = config_.text_device_window;
    ++calls;
    if (fail) throw std::runtime_error("report failed");
    std::ofstream(path_, std::ios::binary) << text_;
    return path_;
  }
  int device_seen = 0;
  bool ask_seen = true;
  int calls = 0;
  bool fail = false;

 private:
  const Configuration& config_;
  std::string path_;
  std::string text_;
};

const char* const kTabReport =
    "VX11  -  Scheibenfederberechnung  V1.1\n"
    "\n"
    "Wellendurchmesser\td\tmm\t35,00\n"
    "Flächenpressung\tpeq\tN/mm²\t123,4\t-5\n"
    "Sicherheit\t\t\t  1,25\n"
    "Teilenummer\t007\t1.5\n";

TEST_F(SpreadsheetExchange, PrintoutBorrowsChannelSixAndRestoresTheSettings) {
  Configuration config = default_configuration("/start");
  config.text_device = 3;
  config.text_device_window = true;
  FakeTabReport report(config, dir.file("$$1.txt"), kTabReport);
  EXPECT_EQ(printout_to_spreadsheet(ctx, link, config, false, report), PrintoutOutcome::Done);
  EXPECT_EQ(report.device_seen, 6);
  EXPECT_FALSE(report.ask_seen);
  EXPECT_EQ(config.text_device, 3);
  EXPECT_TRUE(config.text_device_window);
  ASSERT_EQ(starter.started.size(), 1u);
  EXPECT_EQ(starter.started[0].back(), dir.file("$$1.xlsx"));

  const std::vector<std::string> cells = test::cells_seen_by_openpyxl(dir.file("$$1.xlsx"));
  const std::vector<std::string> expected = {
      "A1\ts\tVX11  -  Scheibenfederberechnung  V1.1",
      "A3\ts\tWellendurchmesser", "B3\ts\td", "C3\ts\tmm", "D3\tn\t35\t0.00",
      "A4\ts\tFl\xC3\xA4" "chenpressung", "B4\ts\tpeq", "C4\ts\tN/mm\xC2\xB2", "D4\tn\t123.4\t0.0", "E4\tn\t-5\t0",
      "A5\ts\tSicherheit", "D5\tn\t1.25\t0.00",
      "A6\ts\tTeilenummer", "B6\ts\t007", "C6\ts\t1.5"};
  EXPECT_EQ(cells, expected);
}

TEST_F(SpreadsheetExchange, PrintoutWithPointDecimals) {
  format.tab_file_separator = 1;
  Configuration config = default_configuration("/start");
  FakeTabReport report(config, dir.file("$$2.txt"), "a\t1.5\t1,5\n");
  EXPECT_EQ(printout_to_spreadsheet(ctx, link, config, false, report), PrintoutOutcome::Done);
  EXPECT_EQ(test::cells_seen_by_openpyxl(dir.file("$$2.xlsx")),
            (std::vector<std::string>{"A1\ts\ta", "B1\tn\t1.5\t0.0", "C1\ts\t1,5"}));
}

TEST_F(SpreadsheetExchange, PrintoutAfterAFatalRunShowsTheMessagesInstead) {
  Configuration config = default_configuration("/start");
  FakeTabReport report(config, dir.file("$$1.txt"), kTabReport);
  EXPECT_EQ(printout_to_spreadsheet(ctx, link, config, true, report), PrintoutOutcome::ShowMessages);
  EXPECT_EQ(report.calls, 0);
  EXPECT_TRUE(starter.started.empty());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SpreadsheetExchange, PrintoutWithoutProgramWritesNothing) {
  RecordingStarter none({});
  SpreadsheetContext bare{format, ui, none, dir.str(), cancelled};
  Configuration config = default_configuration("/start");
  FakeTabReport report(config, dir.file("$$1.txt"), kTabReport);
  EXPECT_EQ(printout_to_spreadsheet(bare, link, config, false, report), PrintoutOutcome::Failed);
  EXPECT_EQ(report.calls, 0);
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Meldung:|Excel kann nicht gestartet werden"}));
}

TEST_F(SpreadsheetExchange, PrintoutRestoresTheSettingsWhenTheReportFails) {
  Configuration config = default_configuration("/start");
  config.text_device = 2;
  config.text_device_window = true;
  FakeTabReport report(config, dir.file("$$1.txt"), kTabReport);
  report.fail = true;
  EXPECT_THROW(printout_to_spreadsheet(ctx, link, config, false, report), std::runtime_error);
  EXPECT_EQ(config.text_device, 2);
  EXPECT_TRUE(config.text_device_window);

  class Cancelled : public TabReportWriter {
   public:
    std::string write_tab_report() override { return {}; }
  } nothing;
  EXPECT_EQ(printout_to_spreadsheet(ctx, link, config, false, nothing), PrintoutOutcome::Failed);
  EXPECT_EQ(config.text_device, 2);
  EXPECT_TRUE(starter.started.empty());
}

TEST_F(SpreadsheetExchange, GridExportWritesEveryCell) {
  ResultTable table;
  table.rows.push_back(result_table_heads(format));
  ResultRow row;
  row[0] = "welle.vxk";
  row[1] = "2026/03/07";
  row[2] = "W-\xC3\xBC";
  row[4] = "DIN 6888 - 5 x 6.5";
  row[9] = " 20.00";
  row[10] = "   60.0";
  row[15] = "  1.23";
  table.rows.push_back(row);
  ASSERT_TRUE(export_result_grid(ctx, link, table));
  ASSERT_EQ(starter.started.size(), 1u);
  const std::string workbook = starter.started[0].back();
  EXPECT_EQ(workbook, dir.file("preview.xlsx"));

  const std::vector<std::string> cells = test::cells_seen_by_openpyxl(workbook);
  ASSERT_EQ(cells.size(), 21u + 7u);
  EXPECT_EQ(cells[0], "A1\ts\tFile");
  EXPECT_EQ(cells[4], "E1\ts\t3 (Scheibenfeder)");
  EXPECT_EQ(cells[20], "U1\ts\tS max 3");
  const std::vector<std::string> second(cells.begin() + 21, cells.end());
  EXPECT_EQ(second, (std::vector<std::string>{"A2\ts\twelle.vxk", "B2\ts\t2026/03/07", "C2\ts\tW-\xC3\xBC",
                                               "E2\ts\tDIN 6888 - 5 x 6.5", "J2\tn\t20\t0.00", "K2\tn\t60\t0.0",
                                               "P2\tn\t1.23\t0.00"}));
}

TEST_F(SpreadsheetExchange, GridExportWithoutProgram) {
  RecordingStarter none({});
  SpreadsheetContext bare{format, ui, none, dir.str(), cancelled};
  ResultTable table;
  table.rows.push_back(result_table_heads(format));
  EXPECT_FALSE(export_result_grid(bare, link, table));
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Meldung:|Could not start Excel"}));
  EXPECT_TRUE(cancelled);
}

TEST(SpreadsheetNumberCells, WhichTextsBecomeNumbers) {
  struct Case {
    const char* text;
    char decimal;
    bool number;
    double value;
    int decimals;
  };
  const std::vector<Case> cases = {
      {"35", '.', true, 35, 0},        {"  1.25 ", '.', true, 1.25, 2}, {"-0.5", '.', true, -0.5, 1},
      {"1,25", ',', true, 1.25, 2},    {"1,25", '.', false, 0, 0},      {"1.25", ',', false, 0, 0},
      {"007", '.', false, 0, 0},       {"0.07", '.', true, 0.07, 2},    {"1.", '.', false, 0, 0},
      {".5", '.', false, 0, 0},        {"1e3", '.', false, 0, 0},       {"", '.', false, 0, 0},
      {"-", '.', false, 0, 0},         {"+5", '.', false, 0, 0},        {"1 000", '.', false, 0, 0},
      {"1234567890.12345", '.', true, 1234567890.12345, 5},           {"1234567890.123456", '.', false, 0, 0},
  };
  for (const Case& c : cases) {
    double value = -1;
    int decimals = -1;
    EXPECT_EQ(number_cell(c.text, c.decimal, value, decimals), c.number) << '"' << c.text << '"';
    if (c.number) {
      EXPECT_DOUBLE_EQ(value, c.value) << c.text;
      EXPECT_EQ(decimals, c.decimals) << c.text;
    }
  }
}

}  // namespace
}  // namespace vx11
