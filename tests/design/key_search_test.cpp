// The key search on the shipped key table: order and proposal against lists worked by hand from the
// ranking rule and an independent reckoning of each variant's least safeties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/diameter_sweep.h"
#include "calc/key_search.h"
#include "calc/rating.h"
#include "project/result_json.h"
#include "tests/support/worked_example.h"
#include "tests/tables/table_fixture.h"

namespace vx11 {
namespace {

// "9A2": record 9, series A, two keys.
std::string code(const KeyVariant& v) {
  return std::to_string(v.row) + series_letter(v.series) + std::to_string(v.key_count);
}

std::vector<std::string> codes(const std::vector<KeyVariant>& ranked, std::size_t from, std::size_t count) {
  std::vector<std::string> out;
  for (std::size_t i = from; i < from + count && i < ranked.size(); ++i) out.push_back(code(ranked[i]));
  return out;
}

std::size_t count_meeting(const std::vector<KeyVariant>& ranked) {
  std::size_t n = 0;
  for (const auto& v : ranked) n += v.meets_targets ? 1 : 0;
  return n;
}

class KeySearch : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    ship("din6888");
    ship("dwelle");
  }
  std::vector<KeyVariant> search(const ConnectionRecord& design, const DesignTargets& targets = {}) {
    const auto rows = read_key_table(ctx);
    EXPECT_TRUE(rows.has_value());
    return rows ? search_keys(design, *rows, format, targets) : std::vector<KeyVariant>{};
  }
};

// The worked example's loads and materials on d = 20: no row stops; 44 variants meet Seq, Smax >= 1.
// By the hand reckoning the smallest is 4 x 5 (record 9) in series A with two keys (Seq 1.277,
// Smax 1.021); 3 x 6.5 A with two keys just fails (Smax 0.989), and one 5 x 6.5 A key too (0.987).
TEST_F(KeySearch, WorkedExampleOrderAndProposal) {
  const ConnectionRecord design = test::worked_example_inputs();
  const std::vector<KeyVariant> ranked = search(design);
  ASSERT_EQ(ranked.size(), 96u);
  const std::vector<std::string> meeting = {
      "9A2",  "10A2", "11A2", "12A2", "13A1", "13A2", "13B2", "14A1", "14A2", "14B2", "15A1",
      "15A2", "15B2", "16A1", "16A2", "16B2", "17A1", "17A2", "17B2", "18A1", "18A2", "18B2",
      "19A1", "19A2", "19B2", "20A1", "20A2", "20B2", "21A1", "21B1", "21A2", "21B2", "22A1",
      "22B1", "22A2", "22B2", "23A1", "23B1", "23A2", "23B2", "24A1", "24B1", "24A2", "24B2"};
  EXPECT_EQ(count_meeting(ranked), meeting.size());
  EXPECT_EQ(codes(ranked, 0, meeting.size()), meeting);
  // Then the others in the same size order: 1 x 1.4 one key A, B, two keys A, B, and so on.
  EXPECT_EQ(codes(ranked, 44, 6), (std::vector<std::string>{"1A1", "1B1", "1A2", "1B2", "2A1", "2B1"}));
  // ... ending with the widest keys that fail: one 5 x 6.5 key (A and B), two in B, then the
  // single B keys of 5 x 7.5 to 8 x 11.
  EXPECT_EQ(codes(ranked, 85, 11), (std::vector<std::string>{"12A1", "12B1", "12B2", "13B1", "14B1", "15B1", "16B1",
                                                              "17B1", "18B1", "19B1", "20B1"}));
  const KeyVariant* best = key_proposal(ranked);
  ASSERT_NE(best, nullptr);
  EXPECT_EQ(code(*best), "9A2");
  EXPECT_EQ(best->key.key_width_b, 4);
  EXPECT_EQ(best->key.key_height_h, 5);
  EXPECT_EQ(best->min_seq.part, kKey);
  EXPECT_EQ(best->min_smax.part, kKey);
  EXPECT_NEAR(static_cast<double>(best->min_smax.value), 1.021, 0.001);
  // 4 x 5 belongs to 10..12 mm: the range warning stands beside the tau warning; the safety
  // errors are left out, the least safeties say the same.
  ASSERT_EQ(best->messages.size(), 2u);
  EXPECT_EQ(best->messages[0], "Warnung: D au\xE1" "erhalb DIN !");
  EXPECT_TRUE(best->messages[1].starts_with("Warnung: tau max / Re > 0.7 ! (1.02"));
  for (const KeyVariant& v : ranked)
    for (const std::string& m : v.messages) EXPECT_FALSE(m.starts_with("Fehler : S")) << code(v) << m;
}

// A 4 mm shaft with TN 0.5 Nm, Tmax 0.8 Nm: a key whose shaft groove reaches past the shaft's centre
// (d - t1/2 <= 0: series B of 6 x 10, 6 x 11, 8 x 11, 8 x 13, series B of 10 x 11, 10 x 13, 10 x 16)
// cannot be rated; those 24 variants stop and come last. 1 x 1.4 holds neither Seq (0.62) nor Smax.
TEST_F(KeySearch, SmallShaftImpossibleRowsStopAndSortLast) {
  ConnectionRecord design = test::worked_example_inputs();
  design.shaft_diameter_d = 4;
  design.nominal_torque_tn = 0.5L;
  design.max_torque_tmax = 0.8L;
  const std::vector<KeyVariant> ranked = search(design);
  ASSERT_EQ(ranked.size(), 96u);
  EXPECT_EQ(count_meeting(ranked), 68u);
  EXPECT_EQ(codes(ranked, 0, 12), (std::vector<std::string>{"2A1", "2B1", "2A2", "2B2", "3A1", "3B1", "3A2", "3B2",
                                                             "4A1", "4B1", "4A2", "4B2"}));
  EXPECT_EQ(codes(ranked, 52, 14), (std::vector<std::string>{"15A1", "15B1", "15A2", "15B2", "16A1", "16B1", "16A2",
                                                              "16B2", "17A1", "17A2", "19A1", "19B1", "19A2", "19B2"}));
  EXPECT_EQ(codes(ranked, 66, 6), (std::vector<std::string>{"22A1", "22A2", "1A1", "1B1", "1A2", "1B2"}));
  const std::vector<std::string> stopped = {"17B1", "17B2", "18A1", "18B1", "18A2", "18B2", "20A1", "20B1",
                                            "20A2", "20B2", "21A1", "21B1", "21A2", "21B2", "22B1", "22B2",
                                            "23A1", "23B1", "23A2", "23B2", "24A1", "24B1", "24A2", "24B2"};
  EXPECT_EQ(codes(ranked, 72, 24), stopped);
  for (std::size_t i = 72; i < ranked.size(); ++i) {
    EXPECT_TRUE(ranked[i].fatal) << code(ranked[i]);
    EXPECT_FALSE(ranked[i].meets_targets) << code(ranked[i]);
    EXPECT_EQ(ranked[i].messages, std::vector<std::string>{std::string(rating_text::kDepthNotBelowShaft)})
        << code(ranked[i]);
  }
  const KeyVariant* best = key_proposal(ranked);
  ASSERT_NE(best, nullptr);
  EXPECT_EQ(code(*best), "2A1");  // 1.5 x 2.6, recommended for 4 to 6 mm: no range warning
  EXPECT_EQ(best->messages.size(), 1u);  // the tau warning
}

// The two-key example's connection (d 30, C45E / EN-GJS-400-15 / E335, KA 1.25, K lambda 1.1,
// TN 120, Tmax 150): 34 variants meet the targets; the smallest is 4 x 7.5 A with two keys
// (Seq 1.033); one 6 x 7.5 A key just fails (Seq 0.990).
TEST_F(KeySearch, TwoKeyConnectionOrderAndProposal) {
  ConnectionRecord design = test::worked_example_inputs();
  design.shaft_diameter_d = 30;
  design.nominal_torque_tn = 120;
  design.max_torque_tmax = 150;
  design.application_factor_ka = 1.25L;
  design.load_distribution_factor_klambda = 1.1L;
  design.material[kShaft].yield_re = 490;
  design.material[kHub].yield_re = 250;
  design.material[kKey].yield_re = 335;
  design.support_factor_fs = {1.2L, 1.5L, 1.0L};
  const std::vector<KeyVariant> ranked = search(design);
  const std::vector<std::string> meeting = {
      "11A2", "12A2", "13A2", "14A1", "14A2", "15A2", "16A1", "16A2", "17A1", "17A2", "17B2", "18A1",
      "18A2", "18B2", "19A1", "19A2", "20A1", "20A2", "20B2", "21A1", "21A2", "21B2", "22A1", "22B1",
      "22A2", "22B2", "23A1", "23B1", "23A2", "23B2", "24A1", "24B1", "24A2", "24B2"};
  EXPECT_EQ(count_meeting(ranked), meeting.size());
  EXPECT_EQ(codes(ranked, 0, meeting.size()), meeting);
  EXPECT_EQ(codes(ranked, 34, 4), (std::vector<std::string>{"1A1", "1B1", "1A2", "1B2"}));
  ASSERT_NE(key_proposal(ranked), nullptr);
  EXPECT_EQ(code(*key_proposal(ranked)), "11A2");
  // A higher target moves the proposal: Seq >= 2 first holds with two 6 x 10 keys in series A (2.012).
  const std::vector<KeyVariant> strict = search(design, {2.0L, 1.0L});
  ASSERT_NE(key_proposal(strict), nullptr);
  EXPECT_EQ(code(*key_proposal(strict)), "17A2");
}

TEST_F(KeySearch, DesignRecordIsUntouched) {
  rec = test::worked_example_inputs();
  rec.key_row_number = 12;
  const std::string before = json_text(record_json(rec));
  const auto rows = read_key_table(ctx);
  ASSERT_TRUE(rows.has_value());
  search_keys(rec, *rows, format, {});
  const auto diameters = shaft_series_between(ctx, 17, 25);
  ASSERT_TRUE(diameters.has_value());
  sweep_diameters(rec, *rows, *diameters, format, {});
  EXPECT_EQ(json_text(record_json(rec)), before);
  EXPECT_FALSE(rec.cancelled);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(KeySearch, DeletedRowsAreNoChoice) {
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  ASSERT_TRUE(tables.set_deleted(ctx, 9, true));
  tables.close_table();
  const std::vector<KeyVariant> ranked = search(test::worked_example_inputs());
  EXPECT_EQ(ranked.size(), 92u);
  for (const KeyVariant& v : ranked) EXPECT_NE(v.row, 9);
  ASSERT_NE(key_proposal(ranked), nullptr);
  EXPECT_EQ(code(*key_proposal(ranked)), "10A2");
}

TEST_F(KeySearch, MissingTablesAreReportedOnce) {
  std::filesystem::remove(folder + "/din6888.dbf");
  std::filesystem::remove(folder + "/dwelle.dbf");
  EXPECT_FALSE(read_key_table(ctx).has_value());
  EXPECT_TRUE(rec.cancelled);
  rec.cancelled = false;
  EXPECT_FALSE(shaft_series_between(ctx, 10, 20).has_value());
  EXPECT_EQ(ui.shown.size(), 2u);
}

TEST_F(KeySearch, NothingMeetsTheTargets) {
  ConnectionRecord design = test::worked_example_inputs();
  design.nominal_torque_tn = 6000;
  design.max_torque_tmax = 9000;
  const std::vector<KeyVariant> ranked = search(design);
  EXPECT_EQ(count_meeting(ranked), 0u);
  EXPECT_EQ(key_proposal(ranked), nullptr);
  EXPECT_EQ(code(ranked.front()), "1A1");
}

// The sweep takes the preferred diameters between its bounds, both included, and the proposal at
// each; at 20 mm it is the worked example's (4 x 5 A, two keys), at 4 mm the small shaft's.
TEST_F(KeySearch, DiameterSweep) {
  const auto diameters = shaft_series_between(ctx, 17, 25);
  ASSERT_TRUE(diameters.has_value());
  EXPECT_EQ(*diameters, (std::vector<Real>{17, 18, 19, 20, 21, 22, 24, 25}));
  EXPECT_EQ(shaft_series_between(ctx, 3.9L, 4.3L), (std::vector<Real>{4, 4.2L}));
  EXPECT_TRUE(shaft_series_between(ctx, 25, 17)->empty());
  EXPECT_TRUE(shaft_series_between(ctx, 600, 700)->empty());

  const auto rows = read_key_table(ctx);
  ASSERT_TRUE(rows.has_value());
  const std::vector<SweepStep> steps =
      sweep_diameters(test::worked_example_inputs(), *rows, *diameters, format, {});
  ASSERT_EQ(steps.size(), diameters->size());
  EXPECT_EQ(steps[3].diameter, 20);
  ASSERT_TRUE(steps[3].proposal.has_value());
  EXPECT_EQ(code(*steps[3].proposal), "9A2");

  ConnectionRecord small = test::worked_example_inputs();
  small.nominal_torque_tn = 0.5L;
  small.max_torque_tmax = 0.8L;
  const std::vector<SweepStep> at4 = sweep_diameters(small, *rows, {4}, format, {});
  ASSERT_TRUE(at4[0].proposal.has_value());
  EXPECT_EQ(code(*at4[0].proposal), "2A1");

  ConnectionRecord heavy = test::worked_example_inputs();
  heavy.nominal_torque_tn = 6000;
  heavy.max_torque_tmax = 9000;
  EXPECT_FALSE(sweep_diameters(heavy, *rows, {20}, format, {})[0].proposal.has_value());
}

}  // namespace
}  // namespace vx11
