// The rating's computation on records set up directly (no key table, no fit lookup).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "calc/rating.h"
#include "rating_fixture.h"

namespace vx11::test {
namespace {

using ::testing::TestWithParam;
using ::testing::ValuesIn;

struct Rated {
  ConnectionRecord rec;
  MessageList messages;
};

Rated rate(ConnectionRecord rec, Real h_deviation = kExampleDeviation) {
  Rated r{std::move(rec), {}};
  if (begin_rating(r.rec, r.messages)) compute_rating(r.rec, r.messages, FormatSettings{}, h_deviation);
  return r;
}

bool has_message(const MessageList& m, const std::string& text) {
  for (const auto& t : texts(m))
    if (t == text) return true;
  return false;
}

// ---- The worked example, to every printed digit ----

struct PrintedValue {
  const char* name;
  Real (*get)(const ConnectionRecord&);
  Real printed;
  int decimals;
};

const PrintedValue kExampleValues[] = {
    {"dr1", [](const ConnectionRecord& r) { return r.r1_tolerance; }, 0.1L, 4},
    {"r2", [](const ConnectionRecord& r) { return r.groove_rounding_r2; }, 0.2L, 4},
    {"dr2", [](const ConnectionRecord& r) { return r.r2_tolerance; }, -0.1L, 4},
    {"dh", [](const ConnectionRecord& r) { return r.h_deviation; }, -0.036L, 4},
    {"l", [](const ConnectionRecord& r) { return r.key_length_l; }, 15.7162L, 4},
    {"A3", [](const ConnectionRecord& r) { return r.area_key_a3; }, 76.6723L, 4},
    {"A3min", [](const ConnectionRecord& r) { return r.area_key_min_a3min; }, 66.2311L, 4},
    {"l1", [](const ConnectionRecord& r) { return r.groove_chord_l1; }, 14.8324L, 4},
    {"A1", [](const ConnectionRecord& r) { return r.area_shaft_groove_a1; }, 53.681L, 3},
    {"A1min", [](const ConnectionRecord& r) { return r.area_shaft_min_a1min; }, 49.8845L, 4},
    {"A2", [](const ConnectionRecord& r) { return r.area_hub_groove_a2; }, 22.9115L, 4},
    {"A2min", [](const ConnectionRecord& r) { return r.area_hub_min_a2min; }, 18.1153L, 4},
    {"Feq", [](const ConnectionRecord& r) { return r.equivalent_force_feq; }, 6000, 0},
    {"Fmax", [](const ConnectionRecord& r) { return r.max_force_fmax; }, 9000, 0},
    {"alpha_kt", [](const ConnectionRecord& r) { return r.alpha_kt; }, 4.8L, 4},
    {"tau_max", [](const ConnectionRecord& r) { return r.tau_max; }, 410.525L, 3},
    {"sigma_b_max", [](const ConnectionRecord& r) { return r.sigma_b_max; }, 0, 4},
    {"peq_shaft", [](const ConnectionRecord& r) { return r.peq[0]; }, 120.278L, 3},
    {"peq_hub", [](const ConnectionRecord& r) { return r.peq[1]; }, 331.211L, 3},
    {"peq_key", [](const ConnectionRecord& r) { return r.peq[2]; }, 331.211L, 3},
    {"pmax_shaft", [](const ConnectionRecord& r) { return r.pmax[0]; }, 180.417L, 3},
    {"pmax_hub", [](const ConnectionRecord& r) { return r.pmax[1]; }, 496.817L, 3},
    {"pmax_key", [](const ConnectionRecord& r) { return r.pmax[2]; }, 496.817L, 3},
    {"plim_shaft", [](const ConnectionRecord& r) { return r.plim[0]; }, 426, 4},
    {"plim_hub", [](const ConnectionRecord& r) { return r.plim[1]; }, 460, 4},
    {"plim_key", [](const ConnectionRecord& r) { return r.plim[2]; }, 340, 4},
    {"Seq_shaft", [](const ConnectionRecord& r) { return r.safety_seq[0]; }, 3.5418L, 4},
    {"Seq_hub", [](const ConnectionRecord& r) { return r.safety_seq[1]; }, 1.3888L, 4},
    {"Seq_key", [](const ConnectionRecord& r) { return r.safety_seq[2]; }, 1.0265L, 4},
    {"Smax_shaft", [](const ConnectionRecord& r) { return r.safety_smax[0]; }, 2.3612L, 4},
    {"Smax_hub", [](const ConnectionRecord& r) { return r.safety_smax[1]; }, 0.9259L, 4},
    {"Smax_key", [](const ConnectionRecord& r) { return r.safety_smax[2]; }, 0.6844L, 4},
    {"tau_over_Re", [](const ConnectionRecord& r) { return r.tau_max / r.material[kShaft].yield_re; }, 1.1564L, 4},
};

class WorkedExample : public TestWithParam<PrintedValue> {};

// Each value agrees with the printed one to half a unit of its last printed digit.
TEST_P(WorkedExample, ValueMatchesPrintedDigits) {
  const PrintedValue& v = GetParam();
  const Rated r = rate(worked_example());
  EXPECT_NEAR(v.get(r.rec), v.printed, 0.5L * std::pow(10.0L, -v.decimals)) << v.name;
}

INSTANTIATE_TEST_SUITE_P(Rating, WorkedExample, ValuesIn(kExampleValues),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rating, WorkedExampleMessagesInOrder) {
  const Rated r = rate(worked_example());
  EXPECT_FALSE(r.rec.fatal_error);
  EXPECT_EQ(texts(r.messages), (std::vector<std::string>{"Fehler : Smax<1 (0.93 Nabe)",
                                                         "Fehler : Smax<1 (0.68 Scheibenfeder)",
                                                         "Warnung: tau max / Re > 0.7 ! (1.156"}));
  EXPECT_EQ(r.rec.t1_tolerance, 0.1L);
  EXPECT_EQ(r.rec.t2_tolerance, 0.1L);
  EXPECT_EQ(r.rec.shaft_groove_depth_t1, 5.0L);
  EXPECT_EQ(r.rec.hub_groove_depth_t2, 1.8L);
  EXPECT_EQ(r.rec.equivalent_torque_teq, 60);
}

// The safety texts follow the configured precision, like every fixed-format number.
TEST(Rating, SafetyTextsFollowTheDecimalsSetting) {
  Rated r{worked_example(), {}};
  FormatSettings four;
  four.decimals = 4;
  ASSERT_TRUE(begin_rating(r.rec, r.messages));
  compute_rating(r.rec, r.messages, four, kExampleDeviation);
  EXPECT_EQ(texts(r.messages).front(), "Fehler : Smax<1 (0.926 Nabe)");
}

// ---- Stops before any key data is read: exactly one message, the old results stay ----

struct InputStop {
  const char* name;
  void (*spoil)(ConnectionRecord&);
  std::string_view message;
};

const InputStop kInputStops[] = {
    {"d_zero", [](ConnectionRecord& r) { r.shaft_diameter_d = 0; }, rating_text::kDiameterZero},
    {"TN_zero", [](ConnectionRecord& r) { r.nominal_torque_tn = 0; }, rating_text::kTorqueZero},
    {"KA_zero", [](ConnectionRecord& r) { r.application_factor_ka = 0; }, rating_text::kFactorZero},
};

class InputStopCase : public TestWithParam<InputStop> {};

TEST_P(InputStopCase, OneMessageAndOldResultsKept) {
  Rated r = rate(worked_example());
  const auto before = rating_results(r.rec);
  r.messages.add("Warnung: from an earlier run");
  GetParam().spoil(r.rec);
  const bool go_on = begin_rating(r.rec, r.messages);
  EXPECT_FALSE(go_on);
  EXPECT_TRUE(r.rec.fatal_error);
  EXPECT_EQ(texts(r.messages), std::vector<std::string>{std::string(GetParam().message)});
  EXPECT_EQ(rating_results(r.rec), before);
}

INSTANTIATE_TEST_SUITE_P(Rating, InputStopCase, ValuesIn(kInputStops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rating, NoKeyChosenStopsAtKeyDiameter) {
  ConnectionRecord rec = worked_example();
  rec.key_row = KeyRow{};
  rec.key_row_number = 0;
  Rated r = rate(rec, 0);
  EXPECT_TRUE(r.rec.fatal_error);
  EXPECT_EQ(texts(r.messages), std::vector<std::string>{"Fatal  : d2 = 0 !"});
  // The size-dependent tolerances are set before the stop, the geometry is not.
  EXPECT_EQ(r.rec.t1_tolerance, 0.1L);
  EXPECT_EQ(r.rec.key_length_l, rec.key_length_l);
}

// ---- Thresholds of the key size ----

struct SizeCase {
  const char* name;
  Real b, h;
  Real t1_tol, dr1, r2, dr2;
};

const SizeCase kSizeCases[] = {
    {"h_8_99", 5, 8.99L, 0.1L, 0.1L, 0.2L, -0.1L},  {"h_9", 5, 9, 0.2L, 0.1L, 0.2L, -0.1L},
    {"b_5", 5, 6.5L, 0.1L, 0.1L, 0.2L, -0.1L},     {"b_5_01", 5.01L, 6.5L, 0.1L, 0.2L, 0.4L, -0.2L},
};

class KeySize : public TestWithParam<SizeCase> {};

TEST_P(KeySize, TolerancesAndRoundings) {
  const SizeCase& c = GetParam();
  ConnectionRecord rec = worked_example();
  rec.key_row.key_width_b = c.b;
  rec.key_row.key_height_h = c.h;
  const Rated r = rate(rec);
  EXPECT_FALSE(r.rec.fatal_error);
  EXPECT_EQ(r.rec.t1_tolerance, c.t1_tol);
  EXPECT_EQ(r.rec.t2_tolerance, 0.1L);
  EXPECT_EQ(r.rec.r1_tolerance, c.dr1);
  EXPECT_EQ(r.rec.groove_rounding_r2, c.r2);
  EXPECT_EQ(r.rec.r2_tolerance, c.dr2);
}

INSTANTIATE_TEST_SUITE_P(Rating, KeySize, ValuesIn(kSizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rating, SeriesChoosesGrooveDepths) {
  ConnectionRecord rec = worked_example();
  rec.key_series = 2;
  Rated r = rate(rec);
  EXPECT_EQ(r.rec.shaft_groove_depth_t1, 5.5L);
  EXPECT_EQ(r.rec.hub_groove_depth_t2, 1.3L);
  // An unknown series keeps the depths of the last run.
  r.rec.key_series = 3;
  r.rec.key_row.shaft_groove_depth_t1_b = 4;
  compute_rating(r.rec, r.messages, FormatSettings{}, kExampleDeviation);
  EXPECT_EQ(r.rec.shaft_groove_depth_t1, 5.5L);
  EXPECT_EQ(r.rec.hub_groove_depth_t2, 1.3L);
}

// ---- Torsion stress factor at the exact limits of rho ----

// A shaft diameter for which (r2 + dr2) / d gives exactly rho in extended precision.
Real diameter_for_rho(Real rho) {
  const Real radius = 0.2L + -0.1L;  // narrow key: r2 + dr2
  Real d = radius / rho;
  for (int step = 0; step < 64; ++step) {
    Real up = d, down = d;
    for (int i = 0; i < step; ++i) {
      up = std::nextafter(up, 10.0L);
      down = std::nextafter(down, 0.0L);
    }
    if (radius / up == rho) return up;
    if (radius / down == rho) return down;
  }
  ADD_FAILURE() << "no diameter gives rho " << static_cast<double>(rho);
  return d;
}

struct RhoCase {
  const char* name;
  Real rho;
  Real alpha_kt;
};

const RhoCase kRhoCases[] = {
    {"rho_0_07", 0.07L, 4.8L},
    {"above_0_07", std::nextafter(0.07L, 1.0L), 4.5L},
    {"rho_0_09", 0.09L, 4.5L},
    {"above_0_09", std::nextafter(0.09L, 1.0L), 4.25L},
    {"rho_0_18", 0.18L, 4.25L},
    {"above_0_18", std::nextafter(0.18L, 1.0L), 4.6L},
};

class TorsionFactor : public TestWithParam<RhoCase> {};

TEST_P(TorsionFactor, AtAndJustAboveTheLimits) {
  ConnectionRecord rec = small_key_example();
  rec.shaft_diameter_d = diameter_for_rho(GetParam().rho);
  const Rated r = rate(rec);
  ASSERT_FALSE(r.rec.fatal_error) << texts(r.messages).back();
  EXPECT_EQ(r.rec.alpha_kt, GetParam().alpha_kt);
}

INSTANTIATE_TEST_SUITE_P(Rating, TorsionFactor, ValuesIn(kRhoCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Keys, grooves and safeties ----

TEST(Rating, TwoKeysChangeBearingFactorsNotForces) {
  const Rated one = rate(worked_example());
  ConnectionRecord rec = worked_example();
  rec.key_count = 2;
  const Rated two = rate(rec);
  EXPECT_EQ(two.rec.bearing_factor_k_nu_eq, 0.66L);
  EXPECT_EQ(two.rec.bearing_factor_k_nu_max, 0.55L);
  EXPECT_EQ(two.rec.equivalent_force_feq, one.rec.equivalent_force_feq);
  EXPECT_EQ(two.rec.max_force_fmax, one.rec.max_force_fmax);
  EXPECT_NEAR(two.rec.peq[1], 0.66L * one.rec.peq[1], 1e-12L);
  EXPECT_NEAR(two.rec.pmax[0], 0.55L * one.rec.pmax[0], 1e-12L);
}

struct GrooveCase {
  const char* name;
  Real t1_a;  // shallow shaft groove makes the shaft the worse groove
  int worse;
};

const GrooveCase kGrooveCases[] = {{"hub_worse", 5.0L, kHub}, {"shaft_worse", 2.5L, kShaft}};

class KeyPressure : public TestWithParam<GrooveCase> {};

TEST_P(KeyPressure, KeyTakesTheWorseGroove) {
  ConnectionRecord rec = worked_example();
  rec.key_row.shaft_groove_depth_t1_a = GetParam().t1_a;
  const Rated r = rate(rec);
  ASSERT_FALSE(r.rec.fatal_error);
  const int w = GetParam().worse;
  EXPECT_GT(r.rec.peq[w], r.rec.peq[1 - w]);
  EXPECT_EQ(r.rec.peq[kKey], r.rec.peq[w]);
  EXPECT_EQ(r.rec.pmax[kKey], r.rec.pmax[w]);
  EXPECT_EQ(r.rec.safety_seq[kKey], r.rec.plim[kKey] / r.rec.peq[w]);
}

INSTANTIATE_TEST_SUITE_P(Rating, KeyPressure, ValuesIn(kGrooveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Adjusts fW so that the shaft's Seq is exactly 1 (or, with `below`, the next value under it).
ConnectionRecord with_shaft_safety_one(bool below) {
  ConnectionRecord rec = worked_example();
  const Rated first = rate(rec);
  Real fw = first.rec.peq[kShaft] / first.rec.plim[kShaft];
  for (int i = 0; i < 64; ++i) {
    rec.load_reversal_factor_fw = fw;
    const Real s = rate(rec).rec.safety_seq[kShaft];
    if (!below && s == 1.0L) return rec;
    if (below && s < 1.0L) return rec;
    fw = (s < 1.0L) ? std::nextafter(fw, 10.0L) : std::nextafter(fw, 0.0L);
  }
  ADD_FAILURE() << "no fW found";
  return rec;
}

TEST(Rating, SafetyExactlyOneGivesNoMessage) {
  const Rated r = rate(with_shaft_safety_one(false));
  EXPECT_EQ(r.rec.safety_seq[kShaft], 1.0L);
  EXPECT_FALSE(has_message(r.messages, "Fehler : Seq<1 (1.00 Welle)"));
  // Just below one prints as 1.00 and is reported: the test uses the value, not its text.
  const Rated below = rate(with_shaft_safety_one(true));
  EXPECT_LT(below.rec.safety_seq[kShaft], 1.0L);
  EXPECT_EQ(texts(below.messages).front(), "Fehler : Seq<1 (1.00 Welle)");
}

TEST(Rating, ShaftWithoutYieldStressSuppressesTauWarning) {
  ConnectionRecord rec = worked_example();
  rec.material[kShaft].yield_re = 0;
  const Rated r = rate(rec);
  EXPECT_FALSE(r.rec.fatal_error);
  EXPECT_EQ(r.rec.plim[kShaft], 0);
  EXPECT_EQ(r.rec.safety_seq[kShaft], 0);
  for (const auto& t : texts(r.messages)) EXPECT_EQ(t.find("tau max"), std::string::npos) << t;
  EXPECT_TRUE(has_message(r.messages, "Fehler : Seq<1 (0.00 Welle)"));
}

struct RangeCase {
  const char* name;
  Real d;
  bool warned;
};

const RangeCase kRangeCases[] = {{"lower_end", 17, false},
                                 {"upper_end", 22, false},
                                 {"below", std::nextafter(17.0L, 0.0L), true},
                                 {"above", 22.01L, true}};

class ShaftRange : public TestWithParam<RangeCase> {};

TEST_P(ShaftRange, WarningOnlyOutside) {
  ConnectionRecord rec = worked_example();
  rec.shaft_diameter_d = GetParam().d;
  const Rated r = rate(rec);
  EXPECT_EQ(has_message(r.messages, "Warnung: D au\xE1" "erhalb DIN !"), GetParam().warned);
}

INSTANTIATE_TEST_SUITE_P(Rating, ShaftRange, ValuesIn(kRangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rating, FitsChangeNoResult) {
  const Rated plain = rate(worked_example());
  ConnectionRecord rec = worked_example();
  rec.fit_shaft = "k6";
  rec.fit_hub = "P9";
  const Rated fitted = rate(rec);
  EXPECT_EQ(rating_results(fitted.rec), rating_results(plain.rec));
  EXPECT_EQ(texts(fitted.messages), texts(plain.messages));
}

TEST(Rating, FailedFitLookupRatesWithZeroDeviation) {
  const Rated r = rate(worked_example(), 0);
  EXPECT_FALSE(r.rec.fatal_error);
  EXPECT_EQ(r.rec.h_deviation, 0);
  EXPECT_NEAR(r.rec.area_hub_min_a2min, (6.5L - 5.0L - 0.25L - 0.1L) * (r.rec.key_length_l + r.rec.groove_chord_l1) / 2,
              1e-15L);
}

struct HeightDeviationCase {
  const char* name;
  Real h;
  Real deviation;
  bool cancelled;
};

const HeightDeviationCase kHeightDeviations[] = {
    {"h_6_5", 6.5L, -0.036L, false},
    {"h_10", 10, -0.036L, false},
    {"h_10_5", 10.5L, -0.043L, false},
    {"beyond_sizes", 3200, 0, true},
};

class HeightDeviation : public TestWithParam<HeightDeviationCase> {};

TEST_P(HeightDeviation, FromH9) {
  ConnectionRecord rec = worked_example();
  rec.key_row.key_height_h = GetParam().h;
  EXPECT_NEAR(key_height_deviation(rec), GetParam().deviation, 1e-18L);
  EXPECT_EQ(rec.cancelled, GetParam().cancelled);
}

INSTANTIATE_TEST_SUITE_P(Rating, HeightDeviation, ValuesIn(kHeightDeviations),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Inconsistent key rows and loads stop instead of producing NaN or infinity ----

struct FatalCase {
  const char* name;
  std::function<void(ConnectionRecord&)> spoil;
  std::string_view message;
};

const FatalCase kFatalCases[] = {
    {"key_higher_than_d2", [](ConnectionRecord& r) { r.key_row.key_height_h = 16.5L; }, rating_text::kHeightOutside},
    {"negative_d2", [](ConnectionRecord& r) { r.key_row.key_diameter_d2 = -16; }, rating_text::kHeightOutside},
    {"rounding_beyond_height", [](ConnectionRecord& r) { r.key_row.key_rounding_r1 = 3.3L; },
     rating_text::kRoundingTooLarge},
    {"rounding_beyond_radius",
     [](ConnectionRecord& r) {
       r.key_row.key_rounding_r1 = 8;
       r.key_row.key_height_h = 16;
     },
     rating_text::kRoundingTooLarge},
    {"groove_deeper_than_d2", [](ConnectionRecord& r) { r.key_row.shaft_groove_depth_t1_a = 16.5L; },
     rating_text::kDepthOutside},
    {"negative_groove", [](ConnectionRecord& r) { r.key_row.shaft_groove_depth_t1_a = -1; },
     rating_text::kDepthOutside},
    {"no_shaft_groove", [](ConnectionRecord& r) { r.key_row.shaft_groove_depth_t1_a = 0; },
     rating_text::kShaftAreaNotPositive},
    {"shaft_groove_within_rounding", [](ConnectionRecord& r) { r.key_row.shaft_groove_depth_t1_a = 0.05L; },
     rating_text::kShaftAreaNotPositive},
    {"groove_as_deep_as_key", [](ConnectionRecord& r) { r.key_row.shaft_groove_depth_t1_a = 6.5L; },
     rating_text::kDepthNotBelowHeight},
    {"hub_height_within_rounding", [](ConnectionRecord& r) { r.key_row.shaft_groove_depth_t1_a = 6.3L; },
     rating_text::kHubAreaNotPositive},
    {"groove_through_shaft", [](ConnectionRecord& r) { r.shaft_diameter_d = 2.5L; }, rating_text::kDepthNotBelowShaft},
    {"no_load_distribution", [](ConnectionRecord& r) { r.load_distribution_factor_klambda = 0; },
     rating_text::kPressureEqZero},
    {"no_peak_torque", [](ConnectionRecord& r) { r.max_torque_tmax = 0; }, rating_text::kPressureMaxZero},
    {"no_friction_factor", [](ConnectionRecord& r) { r.friction_factor_kr = 0; }, rating_text::kPressureMaxZero},
    {"force_overflow", [](ConnectionRecord& r) { r.nominal_torque_tn = 1e4930L; }, rating_text::kNotRepresentable},
    {"pressure_overflow",
     [](ConnectionRecord& r) {
       r.nominal_torque_tn = 1e4920L;
       r.load_distribution_factor_klambda = 1e100L;
     },
     rating_text::kNotRepresentable},
    {"safety_overflow", [](ConnectionRecord& r) { r.load_reversal_factor_fw = 1e4930L; },
     rating_text::kNotRepresentable},
    {"stress_overflow", [](ConnectionRecord& r) { r.bending_moment_mbmax = 1e4930L; },
     rating_text::kNotRepresentable},
};

class FatalStop : public TestWithParam<FatalCase> {};

TEST_P(FatalStop, StopsWithFiniteResults) {
  const FatalCase& c = GetParam();
  ConnectionRecord rec = worked_example();
  c.spoil(rec);
  const Rated r = rate(rec);
  EXPECT_TRUE(r.rec.fatal_error);
  ASSERT_GT(r.messages.count(), 0);
  EXPECT_EQ(texts(r.messages).back(), c.message);
  for (const auto& t : texts(r.messages)) EXPECT_NE(t.substr(0, 5), "Error") << t;
  for (const Real v : rating_results(r.rec)) EXPECT_TRUE(std::isfinite(v));
  // The last safety is never reached and keeps the start value.
  EXPECT_EQ(r.rec.safety_smax[kKey], rec.safety_smax[kKey]);
}

INSTANTIATE_TEST_SUITE_P(Rating, FatalStop, ValuesIn(kFatalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rating, OwnStopTextsFitTheMessageList) {
  for (const std::string_view t :
       {rating_text::kHeightOutside, rating_text::kRoundingTooLarge, rating_text::kDepthOutside,
        rating_text::kShaftAreaNotPositive, rating_text::kDepthNotBelowHeight, rating_text::kHubAreaNotPositive,
        rating_text::kDepthNotBelowShaft, rating_text::kPressureEqZero, rating_text::kPressureMaxZero,
        rating_text::kNotRepresentable}) {
    EXPECT_LE(t.size(), MessageList::kMaxLength) << t;
    EXPECT_TRUE(t.starts_with(kFatalPrefix)) << t;
  }
}

}  // namespace
}  // namespace vx11::test
