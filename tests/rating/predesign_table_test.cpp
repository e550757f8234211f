// The predesign's steps that use the shipped key table and shaft-diameter series.
#include <gtest/gtest.h>

#include "calc/key_table.h"
#include "calc/predesign.h"
#include "rating_fixture.h"
#include "tests/tables/table_fixture.h"

namespace vx11::test {
namespace {

class PredesignTables : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    ship("din6888");
    ship("dwelle");
    rec = worked_example();  // Re 355 and 230: the hub is the weaker
  }
  const std::string kInfoBox = std::string(kCaptionInfo) + "|" + kNoProposalText;
};

TEST_F(PredesignTables, ProposalRoundsUpToTheSeries) {
  // d* = 23.68 mm without KA, 29.84 mm with KA = 2.
  EXPECT_EQ(propose_predesign_diameter(ctx, {"60", "1", "35"}), 24);
  EXPECT_EQ(propose_predesign_diameter(ctx, {"60", "2", "35"}), 30);
  EXPECT_TRUE(browser.shown.empty());  // the predesign does not show the series
  EXPECT_EQ(rec.shaft_diameter_d, 35);  // the proposal goes into the edit, not yet into the record
  EXPECT_EQ(rec.application_factor_ka, 2);
  EXPECT_FALSE(rec.cancelled);
}

TEST_F(PredesignTables, DimensionDialogProposalIgnoresKaAndIsConfirmed) {
  rec.application_factor_ka = 2;
  browser.confirm();
  EXPECT_EQ(propose_dimension_diameter(ctx), 24);
  ASSERT_EQ(browser.shown.size(), 1u);
  EXPECT_EQ(browser.shown[0].help_number, kHelpShaftSeriesTable);
  browser.cancel();
  EXPECT_EQ(propose_dimension_diameter(ctx), std::nullopt);
  EXPECT_FALSE(rec.cancelled);
}

TEST_F(PredesignTables, NoProposalWithoutYieldStress) {
  rec.material[kHub].yield_re = 0;
  EXPECT_EQ(propose_predesign_diameter(ctx, {"60", "1", "35"}), std::nullopt);
  EXPECT_EQ(propose_dimension_diameter(ctx), std::nullopt);
  EXPECT_TRUE(browser.shown.empty());
  EXPECT_EQ(ui.shown, (std::vector<std::string>{kInfoBox, kInfoBox}));
  EXPECT_FALSE(rec.cancelled);
}

TEST_F(PredesignTables, NoProposalWithoutSeriesTable) {
  std::filesystem::remove(folder + "/dwelle.dbf");
  EXPECT_EQ(propose_predesign_diameter(ctx, {"60", "1", "35"}), std::nullopt);
  EXPECT_EQ(ui.shown.size(), 1u);  // the table layer's error box
  EXPECT_FALSE(rec.cancelled);
}

struct KeyChoiceCase {
  const char* name;
  const char* d_text;
  int record;  // first row, in the order of the largest recommended diameter, that reaches d
};

const KeyChoiceCase kKeyChoices[] = {
    {"smallest", "3", 1},        {"at_upper_limit", "4", 1}, {"just_above_limit", "4.04", 2},
    {"example", "20", 15},       {"limit_22", "22", 15},     {"above_22", "22.5", 19},
    {"largest", "44", 22},       {"beyond_table", "50", 24},
};

class PredesignKeyChoice : public PredesignTables, public ::testing::WithParamInterface<KeyChoiceCase> {};

TEST_P(PredesignKeyChoice, FirstKeyWhoseRangeReachesD) {
  browser.confirm();
  rec.key_row_number = 0;
  ASSERT_TRUE(confirm_predesign(ctx, {"60", "1", GetParam().d_text}));
  EXPECT_EQ(rec.key_row_number, GetParam().record);
  EXPECT_EQ(browser.opened_on.at(0), GetParam().record);
  if (rec.shaft_diameter_d <= 44) {
    EXPECT_GE(rec.key_row.shaft_range_max_d1, rec.shaft_diameter_d);
  }
  EXPECT_FALSE(rec.cancelled);
  EXPECT_FALSE(tables.is_open());
}

INSTANTIATE_TEST_SUITE_P(Predesign, PredesignKeyChoice, ::testing::ValuesIn(kKeyChoices),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PredesignTables, OkStoresEditsAndTakesTheConfirmedRow) {
  rec.max_torque_tmax = 90;
  browser.confirm(13);  // the person picks 5 x 7.5 instead
  ASSERT_TRUE(confirm_predesign(ctx, {"100", "1.25", "20"}));
  EXPECT_EQ(rec.nominal_torque_tn, 100);
  EXPECT_EQ(rec.max_torque_tmax, 200);
  EXPECT_EQ(rec.application_factor_ka, 1.25L);
  EXPECT_EQ(rec.key_row_number, 13);
  EXPECT_EQ(rec.key_row.key_height_h, 7.5L);
  ASSERT_EQ(browser.shown.size(), 1u);
  EXPECT_EQ(browser.shown[0].caption, "Scheibenfeder nach DIN 6888   ");
  EXPECT_EQ(browser.shown[0].mode, BrowseMode::Select);
  EXPECT_EQ(browser.shown[0].help_number, kHelpKeyTable);
}

TEST_F(PredesignTables, CancelledBrowserKeepsTheKeyAndCloses) {
  rec.key_row_number = 4;
  rec.key_row.key_width_b = 42;
  browser.cancel(12);
  EXPECT_TRUE(confirm_predesign(ctx, {"60", "1", "20"}));
  EXPECT_EQ(rec.key_row_number, 4);
  EXPECT_EQ(rec.key_row.key_width_b, 42);
  EXPECT_FALSE(rec.cancelled);
}

TEST_F(PredesignTables, MissingKeyTableKeepsTheDialogOpen) {
  std::filesystem::remove(folder + "/din6888.dbf");
  rec.key_row_number = 4;
  EXPECT_FALSE(confirm_predesign(ctx, {"60", "1", "20"}));
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(rec.key_row_number, 4);
  EXPECT_TRUE(browser.shown.empty());
}

}  // namespace
}  // namespace vx11::test
