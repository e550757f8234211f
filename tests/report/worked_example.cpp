#include "worked_example.h"

namespace vx11::test {

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

  rec.shaft_groove_depth_t1 = 5.0L;
  rec.hub_groove_depth_t2 = 1.8L;
  rec.t1_tolerance = 0.1L;
  rec.t2_tolerance = 0.1L;
  rec.r1_tolerance = 0.1L;
  rec.groove_rounding_r2 = 0.2L;
  rec.r2_tolerance = -0.1L;
  rec.h_deviation = -0.036L;
  rec.key_length_l = 15.7162L;
  rec.groove_chord_l1 = 14.8324L;
  rec.area_key_a3 = 76.6723L;
  rec.area_key_min_a3min = 66.2311L;
  rec.area_shaft_groove_a1 = 53.681L;
  rec.area_shaft_min_a1min = 49.8845L;
  rec.area_hub_groove_a2 = 22.9115L;
  rec.area_hub_min_a2min = 18.1153L;
  rec.equivalent_torque_teq = 60;
  rec.equivalent_force_feq = 6000;
  rec.max_force_fmax = 9000;
  rec.bearing_factor_k_nu_eq = 1;
  rec.bearing_factor_k_nu_max = 1;
  rec.peq = {120.278L, 331.211L, 331.211L};
  rec.pmax = {180.417L, 496.817L, 496.817L};
  rec.alpha_kt = 4.8L;
  rec.tau_max = 410.525L;
  rec.sigma_b_max = 0;
  rec.plim = {426, 460, 340};
  rec.safety_seq = {3.5418L, 1.3888L, 1.0265L};
  rec.safety_smax = {2.3612L, 0.9259L, 0.6844L};

  messages.clear(rec.fatal_error);
  messages.add("Fehler : Smax<1 (0.93 Nabe)");
  messages.add("Fehler : Smax<1 (0.68 Scheibenfeder)");
  messages.add("Warnung: tau max / Re > 0.7 ! (1.156)");
  return rec;
}

ConnectionRecord workedExampleTwoKeys(MessageList& messages) {
  ConnectionRecord rec = workedExample(messages);
  rec.key_count = 2;
  rec.bearing_factor_k_nu_eq = 0.66L;
  rec.bearing_factor_k_nu_max = 0.55L;
  rec.peq = {79.3835L, 218.599L, 218.599L};
  rec.pmax = {99.2294L, 273.249L, 273.249L};
  rec.safety_seq = {5.3664L, 2.1043L, 1.5554L};
  rec.safety_smax = {4.2931L, 1.6834L, 1.2443L};
  messages.clear(rec.fatal_error);
  messages.add("Warnung: tau max / Re > 0.7 ! (1.156)");
  return rec;
}

std::array<std::string, 3> exampleInfoText() {
  return {"Beispiel: Scheibenfeder 5 x 6,5 auf Welle 20", "Pr\x81" "fstand Getriebe", ""};
}

}  // namespace vx11::test
