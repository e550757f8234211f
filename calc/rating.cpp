#include "calc/rating.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "calc/toliso.h"
#include "base/format.h"
#include "base/guarded_math.h"

namespace vx11 {

namespace {

static_assert(kPi == 3.1415926535897932385L, "the rating's pi is the extended value 3.1415926535897932385");

// A stop: the message, the fatal flag, and the caller returns leaving later fields as they were.
void stop(ConnectionRecord& rec, MessageList& messages, std::string_view text) {
  messages.add(text);
  rec.fatal_error = true;
}

bool all_finite(std::initializer_list<Real> values) {
  for (const Real v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

Real square(Real x) { return x * x; }

Real torsion_stress_factor(Real rho) {
  if (rho <= 0.07L) return 4.8L;
  if (rho <= 0.09L) return 4.5L;
  if (rho <= 0.18L) return 4.25L;
  return 4.6L;
}

void add_safety_message(MessageList& messages, const FormatSettings& format, std::string_view head,
                        Real safety, int part) {
  std::string text(head);
  text += fmtFixed(format, 1, 2, safety);
  text += ' ';
  text += kPartNames[part];
  text += ')';
  messages.add(text);
}

}  // namespace

bool begin_rating(ConnectionRecord& rec, MessageList& messages) {
  messages.clear(rec.fatal_error);
  if (rec.shaft_diameter_d == 0) {
    stop(rec, messages, rating_text::kDiameterZero);
    return false;
  }
  if (rec.nominal_torque_tn == 0) {
    stop(rec, messages, rating_text::kTorqueZero);
    return false;
  }
  if (rec.application_factor_ka == 0) {
    stop(rec, messages, rating_text::kFactorZero);
    return false;
  }
  return true;
}

Real key_height_deviation(ConnectionRecord& rec) {
  return tolerance_limits_for_rating(rec, "h9", rec.key_row.key_height_h).lower * 0.001L;
}

namespace {

namespace txt = rating_text;

// Each step writes its results and returns the text of its stop, or nothing to go on.
using StopText = std::string_view;

// Key: the full segment of radius R and height h, and the bearing segment of the reduced radius R'.
StopText key_segments(ConnectionRecord& rec, MessageList& messages) {
  const KeyRow& key = rec.key_row;
  const Real h = key.key_height_h;
  const Real r1 = key.key_rounding_r1;
  const Real dr1 = rec.r1_tolerance;
  const Real radius = key.key_diameter_d2 / 2;
  const Real radius_red = radius - r1 - dr1;
  const Real chord_root = square(radius) - square(radius - h);
  if (!(chord_root >= 0)) return txt::kHeightOutside;
  const Real chord_red_root = square(radius_red) - square(radius_red - (h - 2 * r1 - 2 * dr1));
  if (!(radius_red > 0) || !(chord_red_root >= 0)) return txt::kRoundingTooLarge;
  const Real l = 2 * std::sqrt(chord_root);
  const Real l_red = 2 * std::sqrt(chord_red_root);
  const Real e = radius - h;
  const Real a_red = radius_red - (h + rec.h_deviation - r1 - dr1);
  if (!all_finite({l, l_red, a_red})) return txt::kNotRepresentable;
  rec.key_length_l = l;

  const Real beta = 2 * arcSin(messages, (l / 2) / radius);
  const Real beta_red = 2 * arcSin(messages, (l_red / 2) / radius_red);
  const Real a3 = square(radius) * beta / 2 - e * l / 2;
  const Real a3min = square(radius_red) * beta_red / 2 - a_red * l_red / 2;
  if (!all_finite({a3, a3min})) return txt::kNotRepresentable;
  rec.area_key_a3 = a3;
  rec.area_key_min_a3min = a3min;
  return {};
}

// Shaft groove: the part of the key segment inside the shaft, less the groove-bottom rounding.
StopText shaft_groove(ConnectionRecord& rec, MessageList& messages) {
  const Real radius = rec.key_row.key_diameter_d2 / 2;
  const Real g = radius - rec.shaft_groove_depth_t1;
  const Real chord_root = square(radius) - square(g);
  if (!(chord_root >= 0)) return txt::kDepthOutside;
  const Real l1 = 2 * std::sqrt(chord_root);
  const Real gamma = 2 * arcSin(messages, (l1 / 2) / radius);
  const Real a1 = square(radius) * gamma / 2 - g * l1 / 2;
  const Real a1min = a1 - rec.groove_rounding_r2 * gamma * radius;
  if (!all_finite({l1, a1, a1min})) return txt::kNotRepresentable;
  rec.groove_chord_l1 = l1;
  rec.area_shaft_groove_a1 = a1;
  if (!(a1min > 0)) return txt::kShaftAreaNotPositive;
  rec.area_shaft_min_a1min = a1min;
  return {};
}

// Hub groove: the part of the key above the shaft, as a trapezoid; the height term is h - dh.
StopText hub_groove(ConnectionRecord& rec) {
  const Real h = rec.key_row.key_height_h;
  const Real t1 = rec.shaft_groove_depth_t1;
  if (!(t1 < h)) return txt::kDepthNotBelowHeight;
  const Real chords = rec.key_length_l + rec.groove_chord_l1;
  const Real a2 = (h - t1) * chords / 2;
  const Real a2min = (h - rec.h_deviation - t1 - rec.key_row.key_rounding_r1 - rec.r1_tolerance) * chords / 2;
  if (!all_finite({a2, a2min})) return txt::kNotRepresentable;
  rec.area_hub_groove_a2 = a2;
  if (!(a2min > 0)) return txt::kHubAreaNotPositive;
  rec.area_hub_min_a2min = a2min;
  return {};
}

// Forces and pressures; two keys are accounted for by the bearing factors alone, and the key
// bears against the worse of the two grooves.
StopText forces_and_pressures(ConnectionRecord& rec) {
  const Real d = rec.shaft_diameter_d;
  const Real teq = rec.application_factor_ka * rec.nominal_torque_tn;
  const Real feq = teq * 2000 / d;
  const Real fmax = rec.max_torque_tmax * 2000 / d;
  if (!all_finite({teq, feq, fmax})) return txt::kNotRepresentable;
  rec.equivalent_torque_teq = teq;
  rec.equivalent_force_feq = feq;
  rec.max_force_fmax = fmax;
  const bool one_key = rec.key_count == 1;
  rec.bearing_factor_k_nu_eq = one_key ? 1.0L : 0.66L;
  rec.bearing_factor_k_nu_max = one_key ? 1.0L : 0.55L;

  const Real klambda = rec.load_distribution_factor_klambda;
  const Real eq_load = rec.bearing_factor_k_nu_eq * klambda * feq;
  const Real max_load = rec.bearing_factor_k_nu_max * klambda * rec.friction_factor_kr * fmax;
  const Real peq0 = eq_load / rec.area_shaft_min_a1min;
  const Real peq1 = eq_load / rec.area_hub_min_a2min;
  const Real pmax0 = max_load / rec.area_shaft_min_a1min;
  const Real pmax1 = max_load / rec.area_hub_min_a2min;
  if (!all_finite({peq0, peq1, pmax0, pmax1})) return txt::kNotRepresentable;
  rec.peq = {peq0, peq1, peq0 >= peq1 ? peq0 : peq1};
  rec.pmax = {pmax0, pmax1, pmax0 >= pmax1 ? pmax0 : pmax1};
  return {};
}

// Shaft stresses; rho is the smallest groove-bottom radius relative to d.
StopText shaft_stresses(ConnectionRecord& rec) {
  const Real d = rec.shaft_diameter_d;
  rec.alpha_kt = torsion_stress_factor((rec.groove_rounding_r2 + rec.r2_tolerance) / d);
  const Real core = d - rec.shaft_groove_depth_t1 / 2;
  if (!(core > 0)) return txt::kDepthNotBelowShaft;
  const Real tau = rec.alpha_kt * 16 * rec.max_torque_tmax * 1000 / (kPi * intPower(core, 3));
  const Real sigma = rec.alpha_kb * 32 * rec.bending_moment_mbmax * 1000 / (kPi * intPower(d, 3));
  if (!all_finite({tau, sigma})) return txt::kNotRepresentable;
  rec.tau_max = tau;
  rec.sigma_b_max = sigma;
  return {};
}

// Limit pressures and safeties, shaft, hub, key; a safety below 1 is an error, not a stop.
StopText safeties(ConnectionRecord& rec, MessageList& messages, const FormatSettings& format) {
  for (int i = kShaft; i <= kKey; ++i) {
    const Real plim = rec.material[i].yield_re * rec.hardness_factor_fh[i] * rec.support_factor_fs[i];
    if (!std::isfinite(plim)) return txt::kNotRepresentable;
    rec.plim[i] = plim;
    if (rec.peq[i] == 0) return txt::kPressureEqZero;
    const Real seq = plim * rec.load_reversal_factor_fw / rec.peq[i];
    if (!std::isfinite(seq)) return txt::kNotRepresentable;
    rec.safety_seq[i] = seq;
    if (seq < 1.0L) add_safety_message(messages, format, "Fehler : Seq<1 (", seq, i);
    if (rec.pmax[i] == 0) return txt::kPressureMaxZero;
    const Real smax = plim * rec.load_peak_factor_fl[i] / rec.pmax[i];
    if (!std::isfinite(smax)) return txt::kNotRepresentable;
    rec.safety_smax[i] = smax;
    if (smax < 1.0L) add_safety_message(messages, format, "Fehler : Smax<1 (", smax, i);
  }
  return {};
}

// Tolerances and roundings of the key size, and the groove depths of the series.
void key_size_data(ConnectionRecord& rec) {
  const KeyRow& key = rec.key_row;
  const bool wide = key.key_width_b > 5;
  rec.t1_tolerance = key.key_height_h < 9 ? 0.1L : 0.2L;
  rec.t2_tolerance = 0.1L;
  rec.r1_tolerance = wide ? 0.2L : 0.1L;
  rec.groove_rounding_r2 = wide ? 0.4L : 0.2L;
  rec.r2_tolerance = wide ? -0.2L : -0.1L;
  // An unknown series keeps the depths as they are.
  if (rec.key_series == 1) {
    rec.shaft_groove_depth_t1 = key.shaft_groove_depth_t1_a;
    rec.hub_groove_depth_t2 = key.hub_groove_depth_t2_a;
  } else if (rec.key_series == 2) {
    rec.shaft_groove_depth_t1 = key.shaft_groove_depth_t1_b;
    rec.hub_groove_depth_t2 = key.hub_groove_depth_t2_b;
  }
}

}  // namespace

void compute_rating(ConnectionRecord& rec, MessageList& messages, const FormatSettings& format,
                    Real h_deviation_mm) {
  key_size_data(rec);
  rec.h_deviation = h_deviation_mm;
  if (rec.key_row.key_diameter_d2 == 0) return stop(rec, messages, txt::kKeyDiameterZero);

  StopText text = key_segments(rec, messages);
  if (text.empty()) text = shaft_groove(rec, messages);
  if (text.empty()) text = hub_groove(rec);
  if (text.empty()) text = forces_and_pressures(rec);
  if (text.empty()) text = shaft_stresses(rec);
  if (text.empty()) text = safeties(rec, messages, format);
  if (!text.empty()) return stop(rec, messages, text);

  const KeyRow& key = rec.key_row;
  const Real d = rec.shaft_diameter_d;
  if (d < key.shaft_range_min_d1 || d > key.shaft_range_max_d1) messages.add(txt::kOutsideRange);

  const std::int32_t re_shaft = rec.material[kShaft].yield_re;
  if (re_shaft > 0) {
    const Real ratio = rec.tau_max / re_shaft;
    if (ratio > 0.7L) messages.add("Warnung: tau max / Re > 0.7 ! (" + fmtSig(format, ratio) + ")");
  }
}

}  // namespace vx11
