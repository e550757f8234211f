#include "tests/support/worked_example.h"

namespace vx11::test {

ConnectionRecord worked_example_inputs() {
  ConnectionRecord rec;
  set_startup_defaults(rec);
  set_default_materials(rec);
  rec.shaft_diameter_d = 20;
  rec.nominal_torque_tn = 60;
  rec.max_torque_tmax = 90;
  rec.application_factor_ka = 1;
  rec.load_distribution_factor_klambda = 1;
  rec.friction_factor_kr = 1;
  rec.load_reversal_factor_fw = 1;
  rec.load_peak_factor_fl = {1, 1, 1};
  rec.bending_moment_mbmax = 0;
  rec.alpha_kb = 5;
  rec.key_count = 1;
  rec.key_series = 1;
  rec.key_row_number = 7;
  KeyRow& k = rec.key_row;
  k.shaft_range_min_d1 = 17;
  k.shaft_range_max_d1 = 22;
  k.key_width_b = 5;
  k.key_height_h = 6.5L;
  k.key_diameter_d2 = 16;
  k.key_rounding_r1 = 0.25L;
  k.shaft_groove_depth_t1_a = 5.0L;
  k.shaft_groove_depth_t1_b = 5.5L;
  k.hub_groove_depth_t2_a = 1.8L;
  k.hub_groove_depth_t2_b = 1.3L;
  rec.material[kShaft].yield_re = 355;
  rec.material[kHub].yield_re = 230;
  rec.material[kKey].yield_re = 340;
  rec.support_factor_fs = {1.2L, 2.0L, 1.0L};
  rec.hardness_factor_fh = {1, 1, 1};
  return rec;
}

}  // namespace vx11::test
