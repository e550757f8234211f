#include "rating_fixture.h"

#include "tests/support/worked_example.h"

namespace vx11::test {

ConnectionRecord worked_example() { return worked_example_inputs(); }

ConnectionRecord small_key_example() {
  ConnectionRecord rec = worked_example();
  KeyRow& k = rec.key_row;
  k.shaft_range_min_d1 = 0.1L;
  k.shaft_range_max_d1 = 10;
  k.key_width_b = 1;
  k.key_height_h = 1.4L;
  k.key_diameter_d2 = 4;
  k.key_rounding_r1 = 0.1L;
  k.shaft_groove_depth_t1_a = 1.0L;
  k.hub_groove_depth_t2_a = 0.6L;
  rec.shaft_diameter_d = 4;
  return rec;
}

std::vector<Real> rating_results(const ConnectionRecord& r) {
  std::vector<Real> v = {r.shaft_groove_depth_t1, r.hub_groove_depth_t2, r.t1_tolerance, r.t2_tolerance,
                         r.r1_tolerance, r.groove_rounding_r2, r.r2_tolerance, r.h_deviation, r.key_length_l,
                         r.area_key_a3, r.area_key_min_a3min, r.groove_chord_l1, r.area_shaft_groove_a1,
                         r.area_shaft_min_a1min, r.area_hub_groove_a2, r.area_hub_min_a2min,
                         r.equivalent_torque_teq, r.equivalent_force_feq, r.max_force_fmax,
                         r.bearing_factor_k_nu_eq, r.bearing_factor_k_nu_max, r.alpha_kt, r.tau_max,
                         r.sigma_b_max};
  for (const auto* a : {&r.peq, &r.pmax, &r.plim, &r.safety_seq, &r.safety_smax}) v.insert(v.end(), a->begin(), a->end());
  return v;
}

std::vector<std::string> texts(const MessageList& messages) {
  std::vector<std::string> v;
  for (int i = 1; i <= messages.count(); ++i) v.push_back(messages.entry(i));
  return v;
}

}  // namespace vx11::test
