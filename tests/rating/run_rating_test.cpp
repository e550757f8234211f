// The whole rating run on the program state: key row refresh from the table, h9 lookup, stops.
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/rating.h"
#include "rating_fixture.h"
#include "tests/tables/table_fixture.h"

namespace vx11::test {
namespace {

class RunRating : public TableTest {
 protected:
  // A key table of our own, in the shipped field layout, with two decimals for r1 = 0.25.
  void make_key_table(const std::vector<std::vector<std::string>>& rows) {
    DbfFields fields;
    for (const char* name : {"D1MIN", "D1MAX", "B", "H", "D2", "R1", "T1A", "T1B", "T2A", "T2B"})
      fields.push_back({name, 'N', 8, 2, 0});
    fields.push_back({"TEXT1", 'C', 10, 0, 0});
    fields.push_back({"TEXT2", 'C', 25, 0, 0});
    make_table(folder + "/din6888.dbf", fields, rows);
  }
  void use_worked_example(int key_row_number) {
    rec = worked_example();
    rec.key_row = KeyRow{};  // the run reads it from the table
    rec.key_row_number = key_row_number;
  }
};

const std::vector<std::string> kExampleRow = {"17", "22",  "5",   "6.5", "16",    "0.25",
                                              "5",  "5.5", "1.8", "1.3", "5x6.5", "Beispiel"};

TEST_F(RunRating, WorkedExampleFromTheTable) {
  make_key_table({{"3", "4", "1", "1.4", "4", "0.2", "1", "1", "0.6", "0.6", "1x1.4", ""}, kExampleRow});
  use_worked_example(2);
  run_rating(ctx);

  ConnectionRecord direct = worked_example();
  MessageList direct_messages;
  ASSERT_TRUE(begin_rating(direct, direct_messages));
  compute_rating(direct, direct_messages, format, kExampleDeviation);

  EXPECT_FALSE(rec.fatal_error);
  EXPECT_FALSE(rec.cancelled);
  EXPECT_EQ(rec.key_row.key_rounding_r1, 0.25L);
  EXPECT_EQ(rec.key_row.key_row_text_1, "5x6.5");
  EXPECT_NEAR(rec.h_deviation, -0.036L, 1e-18L);
  const auto got = rating_results(rec), want = rating_results(direct);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-15L) << "result " << i;
  EXPECT_EQ(texts(messages), texts(direct_messages));
  EXPECT_EQ(messages.count(), 3);
}

TEST_F(RunRating, ShippedRowReplacesAStaleCopy) {
  ship("din6888");
  use_worked_example(12);  // 5 x 6.5, r1 0.2, t1 4.5 in the shipped table
  rec.key_row.key_diameter_d2 = 99;
  run_rating(ctx);
  EXPECT_FALSE(rec.fatal_error);
  EXPECT_EQ(rec.key_row.key_diameter_d2, 16);
  EXPECT_EQ(rec.key_row.key_rounding_r1, 0.2L);
  EXPECT_EQ(rec.shaft_groove_depth_t1, 4.5L);
  EXPECT_EQ(rec.hub_groove_depth_t2, 2.2L);
}

TEST_F(RunRating, NoKeyChosen) {
  ship("din6888");
  use_worked_example(0);
  run_rating(ctx);
  EXPECT_TRUE(rec.fatal_error);
  EXPECT_EQ(texts(messages), std::vector<std::string>{"Fatal  : d2 = 0 !"});
}

TEST_F(RunRating, ZeroTorqueStopsBeforeTheTable) {
  ship("din6888");
  use_worked_example(12);
  run_rating(ctx);
  const auto before = rating_results(rec);
  rec.nominal_torque_tn = 0;
  rec.key_row_number = 1;
  run_rating(ctx);
  EXPECT_TRUE(rec.fatal_error);
  EXPECT_EQ(texts(messages), std::vector<std::string>{"Fatal  : TN = 0 !"});
  EXPECT_EQ(rating_results(rec), before);
  EXPECT_EQ(rec.key_row.key_width_b, 5);  // row 1 was not read
}

TEST_F(RunRating, CancelledRunEndsQuietly) {
  ship("din6888");
  use_worked_example(12);
  run_rating(ctx);
  const auto before = rating_results(rec);
  rec.cancelled = true;  // a cancelled predesign runs the rating with the flag set
  rec.max_torque_tmax = 10;
  run_rating(ctx);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_FALSE(rec.fatal_error);
  EXPECT_EQ(messages.count(), 0);
  EXPECT_EQ(rating_results(rec), before);
  EXPECT_TRUE(ui.shown.empty());
}

// The table layer says why; the run stops as fatal, so no output shows a key row it could not read.
TEST_F(RunRating, MissingTableStopsTheRunAsFatal) {
  use_worked_example(12);
  const auto before = rating_results(rec);
  run_rating(ctx);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_TRUE(rec.fatal_error);
  ASSERT_EQ(messages.count(), 1);
  EXPECT_EQ(messages.entry(1), rating_text::kKeyTableUnreadable);
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(rating_results(rec), before);
}

TEST_F(RunRating, RowBeyondTheEndUsesTheLast) {
  ship("din6888");
  use_worked_example(99);
  run_rating(ctx);
  EXPECT_FALSE(rec.fatal_error);
  EXPECT_EQ(rec.key_row.key_diameter_d2, 45);  // 10 x 16
  const auto t = texts(messages);
  ASSERT_GE(t.size(), 2u);
  EXPECT_EQ(t.front(), "DBF #99 not found.");
  EXPECT_NE(std::find(t.begin(), t.end(), "Warnung: D au\xE1" "erhalb DIN !"), t.end());
}

TEST_F(RunRating, FailedFitLookupGoesOnWithoutDeviation) {
  make_key_table({{"0", "9000", "10", "3200", "8000", "1", "2000", "2000", "1200", "1200", "", ""}});
  use_worked_example(1);
  rec.shaft_diameter_d = 6000;
  run_rating(ctx);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_FALSE(rec.fatal_error);
  EXPECT_EQ(rec.h_deviation, 0);
  EXPECT_GT(rec.area_hub_min_a2min, 0);
}

}  // namespace
}  // namespace vx11::test
