#include "calc/key_table.h"

#include "calc/rating.h"

#include <gtest/gtest.h>

#include "table_fixture.h"
#include "base/text.h"

namespace vx11 {
namespace {

bool same_key(const KeyRow& a, const KeyRow& b) {
  return a.key_width_b == b.key_width_b && a.key_height_h == b.key_height_h &&
         a.shaft_range_min_d1 == b.shaft_range_min_d1 && a.key_diameter_d2 == b.key_diameter_d2;
}

class KeyTableTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    ship("din6888");
    ship("dwelle");
  }
  // Changes one field of one record in the table folder's key table.
  void edit_key_table(int record, int field, const std::string& value) {
    ASSERT_TRUE(tables.open_table(ctx, "din6888"));
    tables.go_to_record(ctx, record);
    ASSERT_TRUE(tables.set_field_text(ctx, field, value));
    tables.close_table();
  }
};

TEST_F(KeyTableTest, SelectionCopiesTheConfirmedRow) {
  browser.confirm(4);  // 2 x 3.7
  rec.cancelled = true;  // an earlier cancel stops the selection before the browser shows
  select_key_size(ctx, 1);
  EXPECT_TRUE(browser.shown.empty());
  rec.cancelled = false;
  select_key_size(ctx, 1);
  ASSERT_EQ(browser.shown.size(), 1u);
  EXPECT_EQ(browser.shown[0].caption, "Scheibenfedern nach DIN 6888   ");
  EXPECT_EQ(browser.shown[0].help_number, kHelpKeyTable);
  EXPECT_EQ(browser.opened_on[0], 1);
  EXPECT_FALSE(rec.cancelled);
  EXPECT_EQ(rec.key_row_number, 4);
  const KeyRow& k = rec.key_row;
  EXPECT_EQ(k.shaft_range_min_d1, 6);
  EXPECT_EQ(k.shaft_range_max_d1, 8);
  EXPECT_EQ(k.key_width_b, 2);
  EXPECT_EQ(k.key_height_h, 3.7L);
  EXPECT_EQ(k.key_diameter_d2, 10);
  EXPECT_EQ(k.key_rounding_r1, 0.2L);
  EXPECT_EQ(k.shaft_groove_depth_t1_a, 2.9L);
  EXPECT_EQ(k.hub_groove_depth_t2_b, 1.0L);
  EXPECT_EQ(k.key_row_text_1, "2x3.7");
  EXPECT_EQ(k.key_row_text_2, "DIN 6888 2 x 3.7");
  EXPECT_FALSE(tables.is_open());
}

TEST_F(KeyTableTest, BrowserOpensOnTheChosenRowInWidthHeightOrder) {
  rec.key_row_number = 9;
  browser.confirm();
  select_key_size(ctx, 0);
  ASSERT_EQ(browser.opened_on.size(), 1u);
  EXPECT_EQ(browser.opened_on[0], 9);
  EXPECT_EQ(browser.shown[0].mode, BrowseMode::Edit);
  EXPECT_EQ(rec.key_row_number, 9);  // OK in the editing browser also chooses
}

TEST_F(KeyTableTest, TheEditorTakesAnotherSizeOnlyWhenThePersonAgrees) {
  // The chosen key is row 9; the editor is left with OK on row 4 (2 x 3.7).
  rec.key_row_number = 9;
  refresh_key_row(ctx);
  const KeyRow nine = rec.key_row;
  std::vector<std::pair<Real, Real>> asked;
  bool agree = false;
  const auto question = [&](const KeyRow& current, const KeyRow& other) {
    asked.push_back({current.key_width_b, other.key_width_b});
    return agree;
  };
  browser.confirm(4);
  EXPECT_FALSE(vx11::edit_key_table(ctx, question));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], (std::pair<Real, Real>{nine.key_width_b, 2}));
  EXPECT_EQ(rec.key_row_number, 9);
  EXPECT_TRUE(same_key(rec.key_row, nine));
  EXPECT_FALSE(rec.cancelled);

  agree = true;
  browser.confirm(4);
  EXPECT_TRUE(vx11::edit_key_table(ctx, question));
  EXPECT_EQ(rec.key_row_number, 4);
  EXPECT_EQ(rec.key_row.key_width_b, 2);

  // OK on the row of the key itself asks nothing.
  asked.clear();
  browser.confirm();
  EXPECT_FALSE(vx11::edit_key_table(ctx, question));
  EXPECT_TRUE(asked.empty());
  EXPECT_FALSE(tables.is_open());
}

TEST_F(KeyTableTest, AKeptKeyIsFoundAgainAfterItsRowWasRenumbered) {
  rec.key_row_number = 9;
  refresh_key_row(ctx);
  const KeyRow nine = rec.key_row;
  // A record before it removed by packing: the key's row is now record 8.
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  ASSERT_TRUE(tables.set_deleted(ctx, 3, true));
  ASSERT_TRUE(tables.pack(ctx));
  tables.close_table();
  browser.cancel();
  EXPECT_TRUE(vx11::edit_key_table(ctx, [](const KeyRow&, const KeyRow&) { return false; }));
  EXPECT_EQ(rec.key_row_number, 8);
  EXPECT_TRUE(same_key(rec.key_row, nine));
  refresh_key_row(ctx);
  EXPECT_TRUE(same_key(rec.key_row, nine));
}

TEST_F(KeyTableTest, CancelKeepsTheKey) {
  rec.key_row_number = 2;
  rec.key_row.key_width_b = 42;
  browser.cancel(7);
  select_key_size(ctx, 1);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(rec.key_row_number, 2);
  EXPECT_EQ(rec.key_row.key_width_b, 42);
}

TEST_F(KeyTableTest, RefreshReadsTheRowAgain) {
  rec.key_row.key_width_b = 42;
  refresh_key_row(ctx);  // no row chosen: nothing changes
  EXPECT_EQ(rec.key_row.key_width_b, 42);

  rec.key_row_number = 3;
  refresh_key_row(ctx);
  EXPECT_EQ(rec.key_row.key_width_b, 2);
  edit_key_table(3, 5, "7.5");
  refresh_key_row(ctx);
  EXPECT_EQ(rec.key_row.key_diameter_d2, 7.5L);

  rec.key_row_number = 30;
  refresh_key_row(ctx);
  EXPECT_EQ(messages.entry(1), "DBF #30 not found.");
  EXPECT_EQ(rec.key_row.key_width_b, 10);  // the last row
  EXPECT_EQ(rec.key_row_number, 30);
  EXPECT_TRUE(ui.shown.empty());
}

// The shipped rows the standard's first page corrected: one shaft range per key width (allocation
// I), none for the automotive 2.5 x 3.7, and the series-B depths of 3 x 3.7 (t1 + t2 = h + 0.2).
TEST_F(KeyTableTest, ShippedRangesAndSeriesBDepths) {
  const struct {
    int record;
    Real b, h, d1_min, d1_max;
  } ranges[] = {{1, 1, 1.4L, 3, 4},   {2, 1.5L, 2.6L, 4, 6}, {3, 2, 2.6L, 6, 8},    {4, 2, 3.7L, 6, 8},
                {5, 2.5L, 3.7L, 0, 0}, {6, 3, 3.7L, 8, 10}, {9, 4, 5, 10, 12},     {12, 5, 6.5L, 12, 17},
                {15, 6, 7.5L, 17, 22}, {19, 8, 9, 22, 38},  {22, 10, 11, 38, 44}};
  for (const auto& r : ranges) {
    rec.key_row_number = r.record;
    refresh_key_row(ctx);
    SCOPED_TRACE(r.record);
    EXPECT_EQ(rec.key_row.key_width_b, r.b);
    EXPECT_EQ(rec.key_row.key_height_h, r.h);
    EXPECT_EQ(rec.key_row.shaft_range_min_d1, r.d1_min);
    EXPECT_EQ(rec.key_row.shaft_range_max_d1, r.d1_max);
  }
  rec.key_row_number = 6;
  refresh_key_row(ctx);
  EXPECT_EQ(rec.key_row.shaft_groove_depth_t1_b, 2.8L);
  EXPECT_EQ(rec.key_row.hub_groove_depth_t2_b, 1.1L);
  EXPECT_EQ(rec.key_row.shaft_groove_depth_t1_a, 2.5L);
  EXPECT_EQ(rec.key_row.hub_groove_depth_t2_a, 1.4L);

  // Without a range the warning always comes for 2.5 x 3.7, whatever the shaft.
  rec.key_row_number = 5;
  rec.shaft_diameter_d = 8;
  run_rating(ctx);
  ASSERT_FALSE(rec.fatal_error);
  bool warned = false;
  for (int n = 1; n <= messages.count(); ++n) warned = warned || messages.entry(n) == rating_text::kOutsideRange;
  EXPECT_TRUE(warned);
}

TEST_F(KeyTableTest, MissingKeyTableCancelsTheRefresh) {
  std::filesystem::remove(folder + "/din6888.dbf");
  rec.key_row_number = 3;
  rec.key_row.key_width_b = 42;
  refresh_key_row(ctx);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(rec.key_row.key_width_b, 42);
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(KeyTableTest, RoundingToTheSeries) {
  struct Case {
    const char* name;
    Real d;
    Real expected;
  };
  const Case cases[] = {
      {"on a row", 35, 35},          {"between rows", 35.5L, 36},   {"small", 0.3L, 1},
      {"between decimals", 1.13L, 1.2L}, {"below a two-decimal row", 1.21L, 1.25L}, {"largest", 500, 500},  {"beyond the series", 612, 500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(round_to_shaft_series(ctx, 0, c.d), c.expected);
    EXPECT_EQ(tables.shaft_series_row.diameter, c.expected);
  }
  EXPECT_TRUE(browser.shown.empty());
  EXPECT_FALSE(tables.is_open());
  // The display's decimals do not cut the diameter searched for.
  format.decimals = 0;
  EXPECT_EQ(round_to_shaft_series(ctx, 0, 35.4L), 36);
}

TEST_F(KeyTableTest, RoundingWithTheBrowser) {
  // The rows of dwelle are in diameter order, so the next record holds the next diameter.
  browser.confirm();
  EXPECT_EQ(round_to_shaft_series(ctx, 1, 34.2L), 35);
  EXPECT_EQ(browser.shown[0].caption, "Wellendurchmesser   ");
  EXPECT_EQ(browser.shown[0].help_number, kHelpShaftSeriesTable);
  EXPECT_EQ(tables.field_text(1), "");  // closed afterwards
  const int on = browser.opened_on[0];
  browser.confirm(on + 1);
  EXPECT_EQ(round_to_shaft_series(ctx, 1, 34.2L), 36);
  EXPECT_EQ(tables.shaft_series_row.text_2, "");
  browser.cancel();
  EXPECT_EQ(round_to_shaft_series(ctx, 1, 34.2L), 0);
  EXPECT_TRUE(rec.cancelled);
  rec.cancelled = false;
  std::filesystem::remove(folder + "/dwelle.dbf");
  EXPECT_EQ(round_to_shaft_series(ctx, 0, 34.2L), 0);
  EXPECT_TRUE(rec.cancelled);
}

TEST_F(KeyTableTest, ShowShaftSeries) {
  browser.confirm(116);
  show_shaft_series(ctx, 1);
  EXPECT_EQ(tables.shaft_series_row.diameter, 500);
  EXPECT_EQ(tables.shaft_series_row.text_1, "R'10 ISO 497");
  EXPECT_EQ(tables.shaft_series_row.text_2, "DIN 748-1");
  browser.confirm(1);
  show_shaft_series(ctx, 0);  // editing: the buffer stays
  EXPECT_EQ(tables.shaft_series_row.diameter, 500);
  EXPECT_EQ(browser.shown[1].caption, "Wellendurchmesser    (" + nameText(folder + "/dwelle.dbf") + ")");
}

}  // namespace
}  // namespace vx11
