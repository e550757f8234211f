#include "ui/form_preview.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "base/format.h"
#include "report/spreadsheet_exchange.h"
#include "report/spreadsheet_reader.h"
#include "tests/ui/qt_test_support.h"
#include "tests/ui/sheet_fixture.h"

namespace vx11 {
namespace {

QTableWidget* grid(QWidget* form) { return form->findChild<QTableWidget*>("StringGrid1"); }

QStringList column(QWidget* form, int c) {
  QStringList texts;
  QTableWidget* g = grid(form);
  for (int r = 0; r < g->rowCount(); ++r) texts << g->item(r, c)->text();
  return texts;
}

void click_head(QWidget* form, int c) {
  QHeaderView* head = grid(form)->horizontalHeader();
  QTest::mouseClick(head->viewport(), Qt::LeftButton, {},
                    QPoint(head->sectionViewportPosition(c) + head->sectionSize(c) / 2, head->height() / 2));
}

void click_row(QWidget* form, int grid_row, int c = 0) {
  QTableWidget* g = grid(form);
  const QRect at = g->visualItemRect(g->item(grid_row, c));
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at.center());
}

void trigger(QWidget* form, const char* item) { form->findChild<QAction*>(item)->trigger(); }

// The grid's row (from 0) of a file, -1 when it is not there.
int row_of(QWidget* form, const QString& file) { return static_cast<int>(column(form, 0).indexOf(file)); }

// A grid of our own, shown without a modal loop.
class PreviewGrid : public ::testing::Test {
 protected:
  void SetUp() override { test::ensure_application(); }

  // Rows 1..n with the file name and the text of "S eq 1".
  void fill(const std::vector<std::pair<std::string, Real>>& files) {
    table.rows = {result_table_heads(format)};
    for (const auto& [name, safety] : files) {
      ResultRow row;
      row[result_column::kFile] = name;
      row[result_column::kSafetyEq1] = fmtFixed(format, 3, 2, safety);
      table.rows.push_back(row);
    }
  }
  std::unique_ptr<TForm_preview> show() {
    auto form = std::make_unique<TForm_preview>(table, cancelled, services);
    form->show();
    QApplication::processEvents();
    return form;
  }

  FormatSettings format;
  ResultTable table;
  bool cancelled = true;
  PreviewServices services;
};

TEST_F(PreviewGrid, HeadsAndWidthsOfTheColumns) {
  fill({{"a.vxk", 1}});
  services.caption = "VX11  /daten/";
  auto form = show();
  QTableWidget* g = grid(form.get());
  ASSERT_EQ(g->columnCount(), kResultTableColumns);
  EXPECT_EQ(form->windowTitle(), "VX11  /daten/");
  for (int c = 0; c < kResultTableColumns; ++c) {
    EXPECT_EQ(g->horizontalHeaderItem(c)->text().toStdString(), table.rows[0][static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(g->columnWidth(c), kResultTableWidths[static_cast<std::size_t>(c)]) << c;
  }
  EXPECT_EQ(g->horizontalHeaderItem(result_column::kSafetyEq1)->text(), "S eq 1");
  // Without actions the help and export items stay disabled.
  EXPECT_FALSE(form->findChild<QAction*>("mi_fileExportExcel")->isEnabled());
  EXPECT_FALSE(form->findChild<QAction*>("mi_HelpHelp")->isEnabled());
}

TEST_F(PreviewGrid, ClickOnTheSafetyHeadSortsInNumericOrderAndMovesWholeRows) {
  fill({{"c.vxk", 12.5L}, {"a.vxk", 3.1L}, {"e.vxk", 100}, {"b.vxk", 0.95L}, {"d.vxk", 999.99L}, {"f.vxk", 3.1L}});
  auto form = show();
  click_head(form.get(), result_column::kSafetyEq1);
  EXPECT_EQ(column(form.get(), result_column::kSafetyEq1),
            (QStringList{"  0.95", "  3.10", "  3.10", " 12.50", "100.00", "999.99"}));
  const QStringList files = column(form.get(), result_column::kFile);
  EXPECT_EQ(files[0], "b.vxk");
  EXPECT_EQ(files[3], "c.vxk");
  EXPECT_EQ(files[5], "d.vxk");
  // The table behind the grid is sorted too, so a chosen row opens the file it shows.
  EXPECT_EQ(table.rows[1][result_column::kFile], "b.vxk");
  click_head(form.get(), result_column::kFile);
  EXPECT_EQ(column(form.get(), result_column::kFile),
            (QStringList{"a.vxk", "b.vxk", "c.vxk", "d.vxk", "e.vxk", "f.vxk"}));
  EXPECT_TRUE(form->isVisible());
}

TEST_F(PreviewGrid, ClickingTheStoredRowAgainDoesNotClose) {
  fill({{"a.vxk", 1}, {"b.vxk", 2}, {"c.vxk", 3}});
  table.selected_row = 2;
  auto form = show();
  EXPECT_TRUE(grid(form.get())->item(1, 0)->isSelected());  // the stored row is marked
  click_row(form.get(), 1, 5);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(cancelled);  // untouched
  click_row(form.get(), 2, 3);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(table.selected_row, 3);
  EXPECT_FALSE(cancelled);
}

TEST_F(PreviewGrid, ExitEscapeAndHelp) {
  fill({{"a.vxk", 1}});
  int help_texts = 0, help_seen = 0, help_number = 7;
  services.help.text = [&] {
    ++help_texts;
    help_seen = help_number;
  };
  services.help_number = &help_number;
  {
    auto form = show();
    trigger(form.get(), "mi_HelpHelp");
    EXPECT_EQ(help_texts, 1);
    EXPECT_EQ(help_seen, kHelpResultTable);
    EXPECT_EQ(help_number, 7);  // restored
    EXPECT_FALSE(cancelled);    // help clears the abort flag
    EXPECT_TRUE(form->isVisible());
    trigger(form.get(), "mi_fileExit");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(cancelled);
  }
  cancelled = false;
  auto form = show();
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(cancelled);
}

// The File command over a data directory: scan, grid, chosen files.
class OpenResultTable : public test::SheetTest {};

TEST_F(OpenResultTable, EmptyDataDirectoryGivesOnlyTheHeadRow) {
  state->session.current_file = "alt";
  QString caption;
  int rows = -1, columns = -1;
  test::ModalDriver driver({[&](QWidget* form) {
    caption = form->windowTitle();
    rows = grid(form)->rowCount();
    columns = grid(form)->columnCount();
    trigger(form, "mi_fileExit");
  }});
  open_result_table(main(), *state);
  EXPECT_EQ(driver.steps_run(), 1);
  EXPECT_EQ(driver.unexpected(), 0);
  EXPECT_EQ(rows, 0);
  EXPECT_EQ(columns, kResultTableColumns);
  EXPECT_EQ(caption, QString::fromStdString("VX11  " + data));
  // The current file is given up; the command leaves no abort flag behind.
  EXPECT_TRUE(state->session.current_file.empty());
  EXPECT_EQ(main().windowTitle(), QString::fromStdString(state->identity.title));
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(OpenResultTable, SelectingARowLoadsThatFileAndTheGridComesBack) {
  write_input("a.vxk", 18, "AAA");
  write_input("b.vxk", 21, "BBB");
  std::ofstream(data + "kaputt.vxk", std::ios::binary) << "VX11\r\n";  // ends long before the inputs
  state->rec.shaft_diameter_d = 50;
  QStringList files;
  QString broken_row, caption_while_shown;
  Real d_while_shown = 0;
  std::string current_while_shown;
  bool chosen_row_marked = false;
  test::ModalDriver driver({[&](QWidget* form) {
                              files = column(form, result_column::kFile);
                              broken_row = grid(form)->item(row_of(form, "kaputt.vxk"), result_column::kShaftNumber)->text();
                              click_row(form, row_of(form, "b.vxk"), 9);
                            },
                            [&](QWidget* form) {  // the grid again, after b was read and rated
                              d_while_shown = state->rec.shaft_diameter_d;
                              current_while_shown = state->session.current_file;
                              caption_while_shown = main().windowTitle();
                              chosen_row_marked = grid(form)->item(row_of(form, "b.vxk"), 0)->isSelected();
                              trigger(form, "mi_fileExit");
                            }});
  open_result_table(main(), *state);
  EXPECT_EQ(driver.steps_run(), 2);
  EXPECT_EQ(driver.unexpected(), 0);
  // The broken file does not stop the scan: its row says what is wrong.
  EXPECT_EQ(files, (QStringList{"a.vxk", "b.vxk", "kaputt.vxk"}));
  EXPECT_TRUE(broken_row.startsWith(QString::fromUtf8("Unvollst\u00e4ndige Datei"))) << broken_row.toStdString();
  EXPECT_EQ(static_cast<double>(d_while_shown), 21.0);
  EXPECT_EQ(current_while_shown, "b");
  EXPECT_EQ(caption_while_shown, QString::fromStdString(state->identity.title + "  -  b.vxk"));
  EXPECT_TRUE(chosen_row_marked);
  // The chosen file stays the program's inputs, rated, without unsaved changes.
  EXPECT_EQ(state->rec.inner_part_number, "BBB");
  EXPECT_EQ(state->session.current_file, "b");
  EXPECT_FALSE(state->session.unsaved_changes);
  EXPECT_FALSE(state->rec.fatal_error);
  EXPECT_TRUE(main().action(Command::ViewErrorMessages)
                  ->text()
                  .endsWith(QString("(%1)").arg(state->messages.count())));
}

TEST_F(OpenResultTable, ChoosingAnUnreadableFileKeepsTheInputsAndNoCurrentFile) {
  write_input("a.vxk", 18);
  std::ofstream(data + "kaputt.vxk", std::ios::binary) << "VX11\r\n";
  state->rec.shaft_diameter_d = 50;
  test::ModalDriver driver({[&](QWidget* form) { click_row(form, row_of(form, "kaputt.vxk")); }});
  open_result_table(main(), *state);
  // The failed read ends the loop: no second grid.
  EXPECT_EQ(driver.steps_run(), 1);
  EXPECT_EQ(driver.unexpected(), 0);
  EXPECT_EQ(static_cast<double>(state->rec.shaft_diameter_d), 50.0);
  // A later Save must not write these inputs into the broken file.
  EXPECT_TRUE(state->session.current_file.empty());
  EXPECT_EQ(main().windowTitle(), QString::fromStdString(state->identity.title));
  ASSERT_FALSE(messages().empty());
  EXPECT_NE(messages().back().find("kaputt.vxk"), std::string::npos);
}

TEST_F(OpenResultTable, CancelledSaveQuestionScansNothing) {
  write_input("a.vxk", 18);
  state->session.current_file = "alt";
  state->session.unsaved_changes = true;
  ui.answers = {Answer::Cancel};
  test::ModalDriver driver({});
  open_result_table(main(), *state);
  EXPECT_EQ(driver.unexpected(), 0);  // no grid was shown
  EXPECT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(state->session.current_file, "alt");
}

TEST_F(OpenResultTable, GridExportWritesTheWorkbookOrSaysItCannotStart) {
  write_input("a.vxk", 18);
  write_input("b.vxk", 21);
  struct Case {
    const char* name;
    std::set<std::string> programs;
    bool opened;
  };
  for (const Case& c : {Case{"spreadsheet program found", {"soffice"}, true}, Case{"none", {}, false}}) {
    SCOPED_TRACE(c.name);
    fake.programs = c.programs;
    fake.started.clear();
    ui.shown.clear();
    bool flag_after_export = true;
    test::ModalDriver driver({[&](QWidget* form) {
      trigger(form, "mi_fileExportExcel");
      flag_after_export = state->rec.cancelled;
      trigger(form, "mi_fileExit");
    }});
    open_result_table(main(), *state);
    EXPECT_EQ(driver.unexpected(), 0);
    EXPECT_FALSE(flag_after_export);  // a failed export changes nothing
    if (!c.opened) {
      EXPECT_EQ(messages(), std::vector<std::string>{spreadsheet_text::kCannotStartTable});
      EXPECT_TRUE(fake.started.empty());
      continue;
    }
    ASSERT_EQ(fake.started.size(), 1u);
    const std::vector<std::string>& argv = fake.started[0];
    ASSERT_EQ(argv.size(), 3u);
    EXPECT_EQ(argv[1], "--calc");
    WorksheetCells cells;
    std::string error;
    ASSERT_TRUE(read_worksheet(argv[2], cells, error)) << error;
    ASSERT_EQ(cells.rows.size(), 3u);
    ASSERT_EQ(cells.rows[0].size(), static_cast<std::size_t>(kResultTableColumns));
    EXPECT_EQ(cells.rows[0][result_column::kSafetyEq1], "S eq 1");
    EXPECT_EQ(cells.rows[2][result_column::kFile], "b.vxk");
  }
}

// With VX11_SCREENSHOT_DIR and VX11_EXAMPLES_DIR set: the grid over the example files as a picture.
TEST_F(OpenResultTable, PictureOfTheGridOverTheExamples) {
  const char* examples = std::getenv("VX11_EXAMPLES_DIR");
  const char* shots = std::getenv("VX11_SCREENSHOT_DIR");
  if (!examples || !*examples || !shots || !*shots) GTEST_SKIP() << "no picture wanted";
  for (const auto& entry : std::filesystem::directory_iterator(examples))
    if (entry.path().extension() == ".vxk") std::filesystem::copy_file(entry.path(), data + entry.path().filename().string());
  test::ModalDriver driver({[&](QWidget* form) {
    form->resize(1400, 260);
    QApplication::processEvents();
    QDir().mkpath(QString::fromLocal8Bit(shots));
    EXPECT_TRUE(form->grab().save(QString::fromLocal8Bit(shots) + "/form_preview.png"));
    trigger(form, "mi_fileExit");
  }});
  open_result_table(main(), *state);
  EXPECT_EQ(driver.steps_run(), 1);
}

}  // namespace
}  // namespace vx11
