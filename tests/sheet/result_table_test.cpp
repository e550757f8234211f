// The result table: heads and row texts, sorting, the grid's clicks, the scan of a data directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

#include <sys/stat.h>
#include <utime.h>

#include "base/format.h"
#include "report/result_table.h"
#include "report/result_table_sort.h"
#include "sheet_helpers.h"
#include "base/text.h"

namespace vx11 {
namespace {

using test::ScratchFolder;

ConnectionRecord filled_record() {
  ConnectionRecord rec;
  rec.key_row.key_width_b = 5;
  rec.key_row.key_height_h = 6.5L;
  rec.key_row.key_diameter_d2 = 16;
  rec.key_series = 2;
  rec.shaft_diameter_d = 20;
  rec.nominal_torque_tn = 60;
  rec.max_torque_tmax = 1234.56L;
  rec.inner_part_number = "W-\x81" "1";  // "W-ü1"
  rec.outer_part_number = "N-2";
  rec.material[0].name = "St\x84hle";     // "Stähle"
  rec.material[1].name = "GG-25";
  rec.material[2].name = "C45K";
  rec.safety_seq = {1.234L, 12.5L, 0.8L};
  rec.safety_smax = {2.0L, 999.994L, 0.05L};
  return rec;
}

std::time_t noon(int year, int month, int day) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = 12;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

TEST(ResultTableColumns, HeadsFollowTheUnitSystem) {
  FormatSettings metric;
  const ResultRow m = result_table_heads(metric);
  const ResultRow expected = {"File", "Date  y/m/d", "1 (Welle)", "2 (Nabe)", "3 (Scheibenfeder)", "b [mm]",
                              "h [mm]", "d2 [mm]", "A/B", "d [mm]", "TN [Nm]", "Tmax [Nm]", "Material 1 (Welle)",
                              "Material 2 (Nabe)", "Material 3 (Scheibenfeder)", "S eq 1", "S eq 2", "S eq 3",
                              "S max 1", "S max 2", "S max 3"};
  EXPECT_EQ(m, expected);

  FormatSettings inch;
  inch.unit_system = 1;
  const ResultRow i = result_table_heads(inch);
  EXPECT_EQ(i[5], "b [in]");
  EXPECT_EQ(i[9], "d [in]");
  EXPECT_EQ(i[10], "TN [lbfin]");
  EXPECT_EQ(i[11], "Tmax [lbfin]");
}

TEST(ResultTableColumns, RowOfARatedFile) {
  FormatSettings format;
  const ResultRow row = result_table_row(format, "welle.vxk", noon(2026, 3, 7), filled_record());
  const ResultRow expected = {"welle.vxk", "2026/03/07", "W-\xC3\xBC" "1", "N-2", "DIN 6888 - 5 x 6.5", "  5.0",
                              "  6.5", " 16.0", "B", " 20.00", "   60.0", " 1234.6", "St\xC3\xA4hle", "GG-25", "C45K",
                              "  1.23", " 12.50", "  0.80", "  2.00", "999.99", "  0.05"};
  EXPECT_EQ(row, expected);
}

TEST(ResultTableColumns, RowFollowsDecimalsSeparatorAndInches) {
  FormatSettings format;
  format.decimal_separator = 2;
  format.unit_system = 1;
  format.decimals = 4;
  const ResultRow row = result_table_row(format, "x.vxk", noon(2026, 1, 2), filled_record());
  EXPECT_EQ(row[5], " 0,197");     // 5 mm in inches: one decimal more, one more from the setting
  EXPECT_EQ(row[10], "   531,0");  // 60 Nm in lbfin: one decimal less, one more from the setting
  EXPECT_EQ(row[15], "  1,234");
}

TEST(ResultTableColumns, SeriesLetterOnlyForKnownSeries) {
  FormatSettings format;
  ConnectionRecord rec = filled_record();
  for (const auto& [series, letter] : std::map<int, std::string>{{1, "A"}, {2, "B"}, {0, ""}, {7, ""}}) {
    rec.key_series = static_cast<std::int16_t>(series);
    EXPECT_EQ(result_table_row(format, "f", 0, rec)[8], letter) << series;
  }
}

TEST(ResultTableColumns, StoppedRatingShowsItsMessageInsteadOfSafeties) {
  FormatSettings format;
  const ResultRow row = result_table_fatal_row(format, "f.vxk", noon(2026, 1, 1), filled_record(),
                                               "Fatal  : d2 = 0 !");
  EXPECT_EQ(row[4], "DIN 6888 - 5 x 6.5");
  EXPECT_EQ(row[result_column::kSafetyEq1], "Fatal  : d2 = 0 !");
  for (int c = 16; c < kResultTableColumns; ++c) EXPECT_EQ(row[static_cast<std::size_t>(c)], "") << c;
}

TEST(ResultTableColumns, UnreadableFileSaysWhyBehindNameAndDate) {
  FormatSettings format;
  const ResultRow row = result_table_error_row(format, "kaputt.vxk", noon(2026, 5, 6), "Unvollst\x84ndige Datei !");
  EXPECT_EQ(row[0], "kaputt.vxk");
  EXPECT_EQ(row[1], "2026/05/06");
  EXPECT_EQ(row[2], "Unvollst\xC3\xA4ndige Datei !");
  for (int c = 3; c < kResultTableColumns; ++c) EXPECT_EQ(row[static_cast<std::size_t>(c)], "") << c;
}

// A table whose column 0 names the rows in their original order and column k holds `keys`.
std::vector<ResultRow> table_with(int column, const std::vector<std::string>& keys) {
  std::vector<ResultRow> rows(1);
  rows[0][0] = "head";
  for (std::size_t i = 0; i < keys.size(); ++i) {
    ResultRow r;
    r[0] = "r" + std::to_string(i + 1);
    r[static_cast<std::size_t>(column)] = keys[i];
    r[20] = "tail" + std::to_string(i + 1);
    rows.push_back(r);
  }
  return rows;
}

std::vector<std::string> column_of(const std::vector<ResultRow>& rows, int column) {
  std::vector<std::string> out;
  for (std::size_t r = 1; r < rows.size(); ++r) out.push_back(rows[r][static_cast<std::size_t>(column)]);
  return out;
}

TEST(ResultTableSort, SafetyTextsBelowThousandComeOutInNumericOrder) {
  FormatSettings format;
  const std::vector<Real> values = {12.5L, 0.8L, 999.99L, 1.234L, 100, 0.05L, 2, 45.6L, 9.99L, 10};
  std::vector<std::string> texts;
  for (const Real v : values) texts.push_back(fmtFixed(format, 3, 2, v));
  std::vector<ResultRow> rows = table_with(result_column::kSafetyEq1, texts);
  sort_result_rows(rows, result_column::kSafetyEq1);

  std::vector<Real> sorted = values;
  std::sort(sorted.begin(), sorted.end());
  std::vector<std::string> expected;
  for (const Real v : sorted) expected.push_back(fmtFixed(format, 3, 2, v));
  EXPECT_EQ(column_of(rows, result_column::kSafetyEq1), expected);
  EXPECT_EQ(rows[0][0], "head");
}

TEST(ResultTableSort, WholeRowsMoveTogether) {
  std::vector<ResultRow> rows = table_with(5, {"c", "a", "b"});
  sort_result_rows(rows, 5);
  EXPECT_EQ(column_of(rows, 0), (std::vector<std::string>{"r2", "r3", "r1"}));
  EXPECT_EQ(column_of(rows, 20), (std::vector<std::string>{"tail2", "tail3", "tail1"}));
}

TEST(ResultTableSort, OrdinalByteOrder) {
  // Upper case before lower case, blanks before digits, umlauts (UTF-8) after ASCII letters.
  std::vector<ResultRow> rows = table_with(12, {"stahl", "Stahl", "\xC3\x84tzstahl", " 9", "10", "Zink"});
  sort_result_rows(rows, 12);
  EXPECT_EQ(column_of(rows, 12),
            (std::vector<std::string>{" 9", "10", "Stahl", "Zink", "stahl", "\xC3\x84tzstahl"}));
}

TEST(ResultTableSort, EqualTextsInTheOrderOfTheMiddlePivotQuicksort) {
  // Worked by hand through the partition around the middle element: list (key/row) b1 a2 b3 a4 b5,
  // pivot b3. i stops at b1, j at b5: swap -> b5 a2 b3 a4 b1; i stops at b3, j at a4: swap ->
  // b5 a2 a4 b3 b1; i and j cross. Left part b5 a2 a4 (pivot a2): swap b5 and a4 -> a4 a2 b5, a2
  // swaps with itself. Right part b3 b1 (pivot b3): swap -> b1 b3. Result a4 a2 b5 b1 b3.
  std::vector<ResultRow> rows = table_with(3, {"b", "a", "b", "a", "b"});
  sort_result_rows(rows, 3);
  EXPECT_EQ(column_of(rows, 3), (std::vector<std::string>{"a", "a", "b", "b", "b"}));
  EXPECT_EQ(column_of(rows, 0), (std::vector<std::string>{"r4", "r2", "r5", "r1", "r3"}));
}

TEST(ResultTableSort, EdgeCases) {
  struct Case {
    const char* name;
    std::vector<std::string> keys;
    int column;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"no rows", {}, 3, {}},
      {"one row", {"x"}, 3, {"x"}},
      {"already sorted", {"a", "b", "c"}, 3, {"a", "b", "c"}},
      {"reversed", {"c", "b", "a"}, 3, {"a", "b", "c"}},
      {"column below range", {"b", "a"}, -1, {"b", "a"}},
      {"column above range", {"b", "a"}, 21, {"b", "a"}},
      {"empty texts first", {"b", "", "a"}, 3, {"", "a", "b"}},
  };
  for (const Case& c : cases) {
    std::vector<ResultRow> rows = table_with(3, c.keys);
    sort_result_rows(rows, c.column);
    EXPECT_EQ(column_of(rows, 3), c.expected) << c.name;
  }
}

TEST(ResultTableSort, LargeAndHostileOrdersSortCompletely) {
  std::mt19937 random(7);
  for (const char* kind : {"random", "sorted", "equal", "organ pipe"}) {
    std::vector<std::string> keys;
    for (int i = 0; i < 6000; ++i) {
      int v = i;
      if (std::string(kind) == "random") v = static_cast<int>(random() % 1000);
      if (std::string(kind) == "equal") v = 5;
      if (std::string(kind) == "organ pipe") v = i < 3000 ? i : 6000 - i;
      char text[16];
      std::snprintf(text, sizeof text, "%6d", v);
      keys.push_back(text);
    }
    std::vector<ResultRow> rows = table_with(7, keys);
    sort_result_rows(rows, 7);
    const auto sorted = column_of(rows, 7);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end())) << kind;
    std::vector<std::string> names = column_of(rows, 0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end()) << kind << ": a row was lost or doubled";
    EXPECT_EQ(names.size(), keys.size()) << kind;
  }
}

TEST(ResultTableGrid, ClickingTheStoredRowAgainDoesNotClose) {
  ResultTable table;
  table.data_directory = "/data";
  table.rows = table_with(0, {"a.vxk", "b.vxk", "c.vxk"});
  bool cancelled = true;
  EXPECT_TRUE(table.click(2, 4, cancelled));
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(table.selected_row, 2);
  EXPECT_EQ(table.file_path(2), "/data/b.vxk");

  cancelled = true;
  EXPECT_FALSE(table.click(2, 7, cancelled)) << "same row";
  EXPECT_TRUE(cancelled) << "the abort flag stays as it was";
  EXPECT_TRUE(table.click(3, 0, cancelled)) << "another row";
  EXPECT_EQ(table.selected_row, 3);
}

TEST(ResultTableGrid, HeadClickSortsOutsideRowsAreIgnored) {
  ResultTable table;
  table.rows = table_with(0, {"c.vxk", "a.vxk"});
  bool cancelled = false;
  EXPECT_FALSE(table.click(0, 0, cancelled));
  EXPECT_EQ(column_of(table.rows, 0), (std::vector<std::string>{"a.vxk", "c.vxk"}));
  EXPECT_FALSE(table.click(3, 0, cancelled));
  EXPECT_FALSE(table.click(-1, 0, cancelled));
  EXPECT_EQ(table.selected_row, 0);
  EXPECT_EQ(table.file_path(0), "");
  EXPECT_EQ(table.file_path(3), "");
}

TEST(ResultTableGrid, Captions) {
  ProgramIdentity id;
  // Folder and file are names: marked, so the window shows them as the file system gives them.
  EXPECT_EQ(result_table_caption(id, "/home/u/daten"), "VX11  " + nameText("/home/u/daten"));
  EXPECT_EQ(scan_caption(id, "a.vxk"), "VX11  -  Scheibenfederberechnung -> " + nameText("a.vxk"));
}

// Rates by the file's first line: "ok <safety>", "fatal", anything else cannot be read.
class FakeRater : public FileRater {
 public:
  FileRating rate(const std::string& path, ConnectionRecord& rec) override {
    rated.push_back(path.substr(path.rfind('/') + 1));
    seen_inputs.push_back(rec.inner_part_number);
    const std::string text = test::read_file(path);
    if (text == "throw") throw std::runtime_error("kaputt");
    rec.inner_part_number = text;
    if (text.starts_with("ok ")) {
      rec.safety_seq[0] = std::stold(text.substr(3));
      return {true, false, {}};
    }
    if (text == "fatal") return {true, true, "Fatal  : d = 0 !"};
    return {false, false, "Unvollst\x84ndige Datei !"};
  }
  std::vector<std::string> rated;
  std::vector<std::string> seen_inputs;
};

TEST(ResultTableScan, EmptyDataDirectoryGivesOnlyTheHeadRow) {
  ScratchFolder dir;
  FakeRater rater;
  bool cancelled = false;
  const ResultTable table = scan_result_table(dir.str(), "vxk", FormatSettings{}, ProgramIdentity{}, rater,
                                              nullptr, cancelled);
  ASSERT_EQ(table.row_count(), 1);
  EXPECT_EQ(table.rows[0], result_table_heads(FormatSettings{}));
  EXPECT_TRUE(rater.rated.empty());
}

TEST(ResultTableScan, MissingDataDirectoryGivesOnlyTheHeadRow) {
  FakeRater rater;
  bool cancelled = false;
  const ResultTable table = scan_result_table("/nonexistent/vx11", "vxk", FormatSettings{}, ProgramIdentity{},
                                              rater, nullptr, cancelled);
  EXPECT_EQ(table.row_count(), 1);
}

TEST(ResultTableScan, EveryInputFileOneRowBrokenFilesDoNotStopTheScan) {
  ScratchFolder dir;
  dir.write("b.vxk", "fatal");
  dir.write("a.vxk", "ok 1.5");
  dir.write("c.VXK", "garbage");
  dir.write("d.vxk", "throw");
  dir.write("e.vxk", "ok 2.25");
  dir.write("notes.txt", "ok 9");
  dir.write("vxk", "ok 9");
  dir.write("x.vxkk", "ok 9");
  std::filesystem::create_directory(dir.file("folder.vxk"));
  const std::time_t stamp = noon(2025, 12, 24);
  const utimbuf times{stamp, stamp};
  ::utime(dir.file("a.vxk").c_str(), &times);

  FakeRater rater;
  bool cancelled = false;
  const ResultTable table = scan_result_table(dir.str(), "vxk", FormatSettings{}, ProgramIdentity{}, rater,
                                              nullptr, cancelled);
  EXPECT_EQ(rater.rated, (std::vector<std::string>{"a.vxk", "b.vxk", "c.VXK", "d.vxk", "e.vxk"}));
  ASSERT_EQ(table.row_count(), 6);
  EXPECT_EQ(table.rows[1][0], "a.vxk");
  EXPECT_EQ(table.rows[1][1], "2025/12/24");
  EXPECT_EQ(table.rows[1][2], "ok 1.5");
  EXPECT_EQ(table.rows[1][15], "  1.50");
  EXPECT_EQ(table.rows[2][15], "Fatal  : d = 0 !");
  EXPECT_EQ(table.rows[3][2], "Unvollst\xC3\xA4ndige Datei !");
  EXPECT_EQ(table.rows[4][2], "Fehler : kaputt");
  EXPECT_EQ(table.rows[5][15], "  2.25");
  EXPECT_FALSE(cancelled);
  // Every file starts from the start-up inputs, not from the file before.
  for (const auto& seen : rater.seen_inputs) EXPECT_EQ(seen, ConnectionRecord{}.inner_part_number);
}

TEST(ResultTableScan, RaterSettingTheAbortFlagDoesNotStopTheScan) {
  ScratchFolder dir;
  dir.write("a.vxk", "garbage");
  dir.write("b.vxk", "ok 1");
  class CancellingRater : public FileRater {
   public:
    explicit CancellingRater(bool& flag) : flag_(flag) {}
    FileRating rate(const std::string&, ConnectionRecord&) override {
      flag_ = true;
      return {false, false, "nicht lesbar"};
    }
    bool& flag_;
  };
  bool cancelled = false;
  CancellingRater rater(cancelled);
  const ResultTable table = scan_result_table(dir.str(), "vxk", FormatSettings{}, ProgramIdentity{}, rater,
                                              nullptr, cancelled);
  EXPECT_EQ(table.row_count(), 3);
  EXPECT_FALSE(cancelled);
}

TEST(ResultTableScan, ProgressShowsEachFileAndMayStopTheScan) {
  ScratchFolder dir;
  for (const char* name : {"a.vxk", "b.vxk", "c.vxk"}) dir.write(name, "ok 1");
  class StopAtSecond : public ScanProgress {
   public:
    void scanning(const std::string& caption, bool& cancelled) override {
      captions.push_back(caption);
      if (captions.size() == 2) cancelled = true;
    }
    std::vector<std::string> captions;
  } progress;
  FakeRater rater;
  bool cancelled = false;
  const ResultTable table = scan_result_table(dir.str(), "vxk", FormatSettings{}, ProgramIdentity{}, rater,
                                              &progress, cancelled);
  EXPECT_EQ(progress.captions, (std::vector<std::string>{"VX11  -  Scheibenfederberechnung -> " + nameText("a.vxk"),
                                                         "VX11  -  Scheibenfederberechnung -> " + nameText("b.vxk")}));
  EXPECT_EQ(table.row_count(), 2);
  EXPECT_TRUE(cancelled);
}

TEST(ResultTableLoop, EachChoiceOpensItsFileUntilExit) {
  ResultTable table;
  table.data_directory = "/d";
  table.rows = table_with(0, {"a.vxk", "b.vxk"});
  // Script of the person: choose row 2, then row 1, then Exit.
  class ScriptedView : public ResultTableView {
   public:
    void show_modal(ResultTable& t, bool& cancelled) override {
      ++shown;
      if (shown == 1) t.click(2, 3, cancelled);
      else if (shown == 2) t.click(1, 3, cancelled);
      else t.exit(cancelled);
    }
    int shown = 0;
  } view;
  class Opener : public ChosenFileOpener {
   public:
    void open(const std::string& path, bool&) override { opened.push_back(path); }
    std::vector<std::string> opened;
  } opener;
  bool cancelled = false;
  run_result_table(table, view, opener, cancelled);
  EXPECT_EQ(opener.opened, (std::vector<std::string>{"/d/b.vxk", "/d/a.vxk"}));
  EXPECT_EQ(view.shown, 3);
  EXPECT_TRUE(cancelled);
}

TEST(ResultTableLoop, AFailedOpenEndsTheLoop) {
  ResultTable table;
  table.rows = table_with(0, {"a.vxk", "b.vxk"});
  class ChooseFirst : public ResultTableView {
   public:
    void show_modal(ResultTable& t, bool& cancelled) override {
      ++shown;
      t.click(1, 0, cancelled);
    }
    int shown = 0;
  } view;
  class FailingOpener : public ChosenFileOpener {
   public:
    void open(const std::string&, bool& cancelled) override { cancelled = true; }
  } opener;
  bool cancelled = false;
  run_result_table(table, view, opener, cancelled);
  EXPECT_EQ(view.shown, 1);
}

}  // namespace
}  // namespace vx11
