// Permissible torques: re-rated at the torque they give, the connection sits exactly at its target.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/permissible_torques.h"
#include "calc/rating.h"
#include "tests/support/worked_example.h"

namespace vx11 {
namespace {

constexpr Real kExampleDeviation = -0.036L;  // h9 at 6.5 mm

// The rating of the record's inputs (no table: the key row is the record's own).
void rate(ConnectionRecord& rec, MessageList& messages) {
  if (begin_rating(rec, messages)) compute_rating(rec, messages, FormatSettings{}, kExampleDeviation);
}

Real relative(Real got, Real want) { return std::fabs(got / want - 1); }

// The record rated again with one torque changed.
ConnectionRecord rerated(ConnectionRecord rec, Real ConnectionRecord::*torque, Real value) {
  rec.*torque = value;
  MessageList messages;
  rate(rec, messages);
  return rec;
}

struct TorqueCase {
  const char* name;
  int key_re;      // Re of the key
  int shaft_re;    // Re of the shaft
  Real target_seq;
  Real target_smax;
  int seq_part;    // the part that limits TN
  int smax_part;   // the part that limits Tmax
};

TEST(PermissibleTorques, ReRatedAtEachTorqueTheTargetIsMetExactly) {
  const TorqueCase cases[] = {
      {"worked example, targets 1", 340, 355, 1.0L, 1.0L, kKey, kKey},
      {"worked example, targets 1.5 and 2", 340, 355, 1.5L, 2.0L, kKey, kKey},
      // A stronger key leaves the hub groove as the weakest part (plim 460 against 331 N/mm2).
      {"strong key: the hub limits", 900, 355, 1.25L, 1.0L, kHub, kHub},
      // A weak shaft: plim 120 against peq 120.3 on the shaft groove.
      {"weak shaft limits", 900, 100, 1.0L, 1.3L, kShaft, kShaft},
  };
  for (const TorqueCase& c : cases) {
    ConnectionRecord rec = test::worked_example_inputs();
    rec.material[kKey].yield_re = c.key_re;
    rec.material[kShaft].yield_re = c.shaft_re;
    MessageList messages;
    rate(rec, messages);
    ASSERT_FALSE(rec.fatal_error) << c.name;
    const PermissibleTorques p = permissible_torques(rec, messages, {c.target_seq, c.target_smax});
    ASSERT_TRUE(p.rated) << c.name;
    EXPECT_EQ(p.tn_perm.part, c.seq_part) << c.name;
    EXPECT_EQ(p.tmax_perm.part, c.smax_part) << c.name;

    const LimitingPart seq = least_safety(rerated(rec, &ConnectionRecord::nominal_torque_tn, p.tn_perm.value).safety_seq);
    EXPECT_LT(relative(seq.value, c.target_seq), 1e-12L) << c.name << ": " << static_cast<double>(seq.value);
    EXPECT_EQ(seq.part, c.seq_part) << c.name;
    const LimitingPart smax = least_safety(rerated(rec, &ConnectionRecord::max_torque_tmax, p.tmax_perm.value).safety_smax);
    EXPECT_LT(relative(smax.value, c.target_smax), 1e-12L) << c.name << ": " << static_cast<double>(smax.value);
    EXPECT_EQ(smax.part, c.smax_part) << c.name;

    ASSERT_TRUE(p.tmax_tau.has_value()) << c.name;
    const ConnectionRecord at_tau = rerated(rec, &ConnectionRecord::max_torque_tmax, *p.tmax_tau);
    EXPECT_LT(relative(at_tau.tau_max / c.shaft_re, kTauRatioLimit), 1e-12L) << c.name;
  }
}

TEST(PermissibleTorques, WorkedExampleFigures) {
  // Seq 3.5418, 1.3888, 1.0265 and Smax 2.3612, 0.9259, 0.6844; tau max / Re 1.1564.
  ConnectionRecord rec = test::worked_example_inputs();
  MessageList messages;
  rate(rec, messages);
  const PermissibleTorques p = permissible_torques(rec, messages, {});
  EXPECT_NEAR(static_cast<double>(p.tn_perm.value), 60 * 1.0265, 0.01);
  EXPECT_NEAR(static_cast<double>(p.tmax_perm.value), 90 * 0.6844, 0.01);
  ASSERT_TRUE(p.tmax_tau.has_value());
  EXPECT_NEAR(static_cast<double>(*p.tmax_tau), 90 * 0.7 / 1.1564, 0.01);
}

TEST(PermissibleTorques, EdgeCases) {
  {
    SCOPED_TRACE("a shaft without yield stress has no tau limit and no safety");
    ConnectionRecord rec = test::worked_example_inputs();
    rec.material[kShaft].yield_re = 0;
    MessageList messages;
    rate(rec, messages);
    const PermissibleTorques p = permissible_torques(rec, messages, {});
    ASSERT_TRUE(p.rated);
    EXPECT_FALSE(p.tmax_tau.has_value());
    EXPECT_EQ(p.tn_perm.value, 0);
    EXPECT_EQ(p.tn_perm.part, kShaft);
  }
  {
    SCOPED_TRACE("a stopped rating gives its message and no torque");
    ConnectionRecord rec = test::worked_example_inputs();
    rec.nominal_torque_tn = 0;
    MessageList messages;
    rate(rec, messages);
    const PermissibleTorques p = permissible_torques(rec, messages, {});
    EXPECT_FALSE(p.rated);
    EXPECT_EQ(p.fatal_message, "Fatal  : TN = 0 !");
    EXPECT_FALSE(p.tmax_tau.has_value());
  }
  {
    SCOPED_TRACE("equal safeties: the first part in the order shaft, hub, key limits");
    EXPECT_EQ(least_safety({2, 1, 1}).part, kHub);
    EXPECT_EQ(least_safety({1, 1, 1}).part, kShaft);
    EXPECT_EQ(least_safety({3, 2, 1}).part, kKey);
  }
}

}  // namespace
}  // namespace vx11
