#include <QAction>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calc/rating.h"
#include "project/input_file.h"
#include "report/spreadsheet_exchange.h"
#include "report/spreadsheet_reader.h"
#include "tests/ui/sheet_fixture.h"
#include "ui/command_groups.h"

namespace vx11 {
namespace {

class SheetCommands : public test::SheetTest {
 protected:
  void SetUp() override {
    SheetTest::SetUp();
    install_sheet_commands(main(), *state);
  }
  bool enabled(Command c) { return main().action(c)->isEnabled(); }
  // The workbook the last start opened.
  std::string last_workbook() const { return fake.started.empty() ? std::string() : fake.started.back().back(); }
  // An input file with umlauts in a part number, made the current file.
  std::string current_input() {
    const std::string path = write_input("umlaut.vxk", 21, "W\x84lle \x94\x81\xe1");  // äöüß in code page 850
    state->session.current_file = "umlaut";
    auto input = state->input_file();
    read_input_file(input, "umlaut");
    return path;
  }
};

TEST_F(SheetCommands, StartExcelEnablesExportAndImportOnlyWhenTheProgramIsFound) {
  struct Case {
    const char* name;
    bool with_file;
    std::set<std::string> programs;
    std::string message;  // empty: none
    std::vector<std::string> command;  // the program words before the workbook; empty: nothing opened
  };
  const Case cases[] = {
      {"no current file", false, {"soffice"}, spreadsheet_text::kSaveFirst, {}},
      {"no spreadsheet program", true, {}, spreadsheet_text::kCannotStart, {}},
      {"LibreOffice Calc", true, {"soffice", "xdg-open"}, "", {"soffice", "--calc"}},
      {"the desktop's choice", true, {"xdg-open"}, "", {"xdg-open"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::SheetTest::TearDown();
    SetUp();
    if (c.with_file) current_input();
    fake.programs = c.programs;
    EXPECT_FALSE(enabled(Command::OleExportExcel));
    EXPECT_FALSE(enabled(Command::OleImportExcel));
    EXPECT_TRUE(enabled(Command::OleStartExcel));
    ASSERT_TRUE(main().run_command(Command::OleStartExcel));
    const bool started = !c.command.empty();
    EXPECT_EQ(enabled(Command::OleExportExcel), started);
    EXPECT_EQ(enabled(Command::OleImportExcel), started);
    EXPECT_EQ(messages(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    EXPECT_EQ(state->rec.cancelled, !started);
    if (!started) {
      EXPECT_TRUE(fake.started.empty());
      continue;
    }
    ASSERT_EQ(fake.started.size(), 1u);
    std::vector<std::string> words = fake.started[0];
    words.pop_back();
    EXPECT_EQ(words, c.command);
    EXPECT_EQ(last_workbook(), state->temp_folder() + "umlaut.xlsx");  // the run's private folder
  }
}

TEST_F(SheetCommands, ExportThenImportGivesBackTheSameInputFileByteForByte) {
  fake.programs = {"soffice"};
  const std::string path = current_input();
  const std::string original = test::read_file(path);
  ASSERT_NE(original.find("W\x84lle \x94\x81\xe1"), std::string::npos);
  main().run_command(Command::OleStartExcel);
  main().run_command(Command::OleExportExcel);
  ASSERT_EQ(fake.started.size(), 2u);
  const std::string workbook = last_workbook();
  // The sheet holds the lines as window text.
  WorksheetCells cells;
  std::string error;
  ASSERT_TRUE(read_worksheet(workbook, cells, error)) << error;
  const std::vector<std::string> lines = cells.column_a();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "W\u00e4lle \u00f6\u00fc\u00df"), lines.end());

  // Other inputs meanwhile; the import brings the file back and rates it.
  write_input("umlaut.vxk", 30, "anders");
  state->rec.shaft_diameter_d = 30;
  state->session.unsaved_changes = true;
  ui.files = {workbook};
  main().run_command(Command::OleImportExcel);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(test::read_file(path), original);
  EXPECT_EQ(state->rec.inner_part_number, "W\x84lle \x94\x81\xe1");
  EXPECT_EQ(static_cast<double>(state->rec.shaft_diameter_d), 21.0);
  EXPECT_FALSE(state->session.unsaved_changes);
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(SheetCommands, ExportWritesUnsavedInputsFirst) {
  fake.programs = {"soffice"};
  const std::string path = current_input();
  main().run_command(Command::OleStartExcel);
  state->rec.inner_part_number = "NEU-4711";
  state->session.unsaved_changes = true;
  main().run_command(Command::OleExportExcel);
  EXPECT_FALSE(state->session.unsaved_changes);
  EXPECT_NE(test::read_file(path).find("NEU-4711"), std::string::npos);
  WorksheetCells cells;
  std::string error;
  ASSERT_TRUE(read_worksheet(last_workbook(), cells, error)) << error;
  const std::vector<std::string> lines = cells.column_a();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "NEU-4711"), lines.end());
}

// A failed import neither reads nor rates: the inputs and the file stay as they were.
TEST_F(SheetCommands, ImportThatCannotGoAnywhereChangesNothing) {
  for (const bool with_file : {false, true}) {
    SCOPED_TRACE(with_file ? "not a workbook" : "no current file");
    test::SheetTest::TearDown();
    SetUp();
    std::string before;
    if (with_file) before = test::read_file(current_input());
    std::ofstream(temp_folder + "/kein.xlsx") << "kein Arbeitsblatt";
    ui.files = {temp_folder + "/kein.xlsx"};
    state->rec.shaft_diameter_d = 44;
    main().run_command(Command::OleImportExcel);
    ASSERT_EQ(messages().size(), 1u);
    if (!with_file) {
      EXPECT_EQ(messages()[0], spreadsheet_text::kFileNotFound);
    } else {
      EXPECT_EQ(test::read_file(data + "umlaut.vxk"), before);
    }
    EXPECT_TRUE(state->rec.cancelled);
    EXPECT_EQ(static_cast<double>(state->rec.shaft_diameter_d), 44.0);
  }
}

TEST_F(SheetCommands, PrintoutPutsTheReportInCellsAndRestoresTheChannelSettings) {
  fake.programs = {"xdg-open"};
  current_input();
  auto calc = state->calc();
  run_rating(calc);
  state->config.text_device = kChannelHtml;
  state->config.text_device_window = true;
  main().run_command(Command::OlePrintoutExcel);
  EXPECT_EQ(state->config.text_device, kChannelHtml);
  EXPECT_TRUE(state->config.text_device_window);
  EXPECT_TRUE(ui.asked.empty());  // no channel question
  ASSERT_EQ(fake.started.size(), 1u);
  WorksheetCells cells;
  std::string error;
  ASSERT_TRUE(read_worksheet(last_workbook(), cells, error)) << error;
  // Several tab fields of a line stand in cells of their own.
  std::size_t widest = 0;
  for (const auto& row : cells.rows) widest = std::max(widest, row.size());
  EXPECT_GE(widest, 3u);
}

TEST_F(SheetCommands, PrintoutAfterAFatalRunShowsTheMessageDialogInstead) {
  fake.programs = {"xdg-open"};
  int message_dialogs = 0;
  main().set_handler(Command::HelpErrorMessages, [&] { ++message_dialogs; });
  state->rec.fatal_error = true;
  state->config.text_device = kChannelScreen;
  main().run_command(Command::OlePrintoutExcel);
  EXPECT_EQ(message_dialogs, 1);
  EXPECT_TRUE(fake.started.empty());
  EXPECT_EQ(state->config.text_device, kChannelScreen);
}

}  // namespace
}  // namespace vx11
