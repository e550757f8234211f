#include "worked_example.h"

#include "calc/rating.h"

namespace vx11::test {

namespace {

// The rating's own computation, with the h9 deviation of the ISO tables.
void rate(ConnectionRecord& rec, MessageList& messages) {
  const FormatSettings format;
  if (begin_rating(rec, messages)) compute_rating(rec, messages, format, key_height_deviation(rec));
}

}  // namespace

ConnectionRecord workedExample(MessageList& messages) {
  ConnectionRecord rec;
  set_startup_defaults(rec);
  set_default_materials(rec);
  rec.shaft_diameter_d = 20;
  rec.nominal_torque_tn = 60;
  rec.max_torque_tmax = 90;
  rec.application_factor_ka = rec.load_distribution_factor_klambda = rec.friction_factor_kr = 1;
  rec.load_reversal_factor_fw = 1;
  rec.load_peak_factor_fl = {1, 1, 1};
  rec.bending_moment_mbmax = 0;
  rec.alpha_kb = 5;
  rec.key_count = 1;
  rec.key_series = 1;
  rec.key_row_number = 13;
  rec.key_row.shaft_range_min_d1 = 17;
  rec.key_row.shaft_range_max_d1 = 22;
  rec.key_row.key_width_b = 5;
  rec.key_row.key_height_h = 6.5L;
  rec.key_row.key_diameter_d2 = 16;
  rec.key_row.key_rounding_r1 = 0.25L;
  rec.key_row.shaft_groove_depth_t1_a = 5.0L;
  rec.key_row.hub_groove_depth_t2_a = 1.8L;
  rec.key_row.shaft_groove_depth_t1_b = 5.5L;
  rec.key_row.hub_groove_depth_t2_b = 1.3L;
  rate(rec, messages);
  return rec;
}

ConnectionRecord workedExampleTwoKeys(MessageList& messages) {
  ConnectionRecord rec = workedExample(messages);
  rec.key_count = 2;
  rate(rec, messages);
  return rec;
}

std::array<std::string, 3> exampleInfoText() {
  return {"Beispiel: Scheibenfeder 5 x 6,5 auf Welle 20", "Pr\x81" "fstand Getriebe", ""};
}

}  // namespace vx11::test
