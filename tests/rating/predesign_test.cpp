// The predesign's edits and its shaft-diameter estimate.
#include "calc/predesign.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rating_fixture.h"
#include "base/guarded_math.h"

namespace vx11::test {
namespace {

struct TmaxCase {
  const char* name;
  const char* tn_text;
  Real tmax_before;
  Real tmax_after;
};

const TmaxCase kTmaxCases[] = {
    {"below_tn", "100", 90, 200},     {"above_three_tn", "100", 350, 200}, {"within", "100", 250, 250},
    {"exactly_three_tn", "100", 300, 300}, {"exactly_tn", "100", 100, 100}, {"comma_decimal", "100,5", 90, 201},
};

class StoreEdits : public ::testing::TestWithParam<TmaxCase> {};

TEST_P(StoreEdits, TmaxRules) {
  ConnectionRecord rec;
  rec.max_torque_tmax = GetParam().tmax_before;
  store_predesign_edits(rec, FormatSettings{}, {GetParam().tn_text, "1.5", "42"});
  EXPECT_EQ(rec.max_torque_tmax, GetParam().tmax_after);
  EXPECT_EQ(rec.application_factor_ka, 1.5L);
  EXPECT_EQ(rec.shaft_diameter_d, 42);
}

INSTANTIATE_TEST_SUITE_P(Predesign, StoreEdits, ::testing::ValuesIn(kTmaxCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Predesign, EditsInInchUnitsAreStoredMetric) {
  ConnectionRecord rec;
  FormatSettings inch;
  inch.unit_system = 1;
  store_predesign_edits(rec, inch, {"1000", "1", "2"});
  EXPECT_NEAR(rec.nominal_torque_tn, 112.984788L, 1e-12L);
  EXPECT_NEAR(rec.shaft_diameter_d, 50.8L, 1e-15L);
  EXPECT_NEAR(rec.max_torque_tmax, 2 * 112.984788L, 1e-12L);
}

TEST(Predesign, OpeningRaisesTmaxBelowTn) {
  ConnectionRecord rec;
  rec.nominal_torque_tn = 100;
  rec.max_torque_tmax = 90;
  prepare_predesign(rec);
  EXPECT_EQ(rec.max_torque_tmax, 200);
  rec.max_torque_tmax = 400;  // above 3 TN is left for the store
  prepare_predesign(rec);
  EXPECT_EQ(rec.max_torque_tmax, 400);
}

TEST(Predesign, EstimateUsesWeakerOfShaftAndHub) {
  ConnectionRecord rec = worked_example();  // Re 355, 230, key 340; TN 60
  rec.application_factor_ka = 2;
  MessageList m;
  const auto with_ka = shaft_diameter_estimate(rec, m, true);
  const auto without = shaft_diameter_estimate(rec, m, false);
  ASSERT_TRUE(with_ka && without);
  EXPECT_NEAR(*without, std::cbrt(32 * 60 * 1000 / (230 * kPi * 0.2L)), 1e-15L);
  EXPECT_NEAR(*without, 23.6845L, 1e-4L);
  EXPECT_NEAR(*with_ka, *without * std::cbrt(2.0L), 1e-15L);
  rec.material[kKey].yield_re = 1;  // the key material takes no part
  EXPECT_EQ(shaft_diameter_estimate(rec, m, false), without);
  EXPECT_EQ(m.count(), 0);
}

TEST(Predesign, NoEstimateWithoutYieldStress) {
  for (const int part : {kShaft, kHub}) {
    for (const int re : {0, -5}) {
      ConnectionRecord rec = worked_example();
      rec.material[part].yield_re = re;
      MessageList m;
      EXPECT_FALSE(shaft_diameter_estimate(rec, m, true)) << part << " " << re;
    }
  }
}

}  // namespace
}  // namespace vx11::test
