#include "project/result_json.h"

#include "base/text.h"

namespace vx11 {

namespace {

using Json = JsonValue;

// Reals go out as doubles: the reader's type, with 17 significant digits in the text.
double real(Real x) { return static_cast<double>(x); }

Json text(const std::string& cp850) { return cp850ToUtf8(cp850); }

Json reals(const std::array<Real, 3>& values) { return Json::array({real(values[0]), real(values[1]), real(values[2])}); }

Json key_row_json(const KeyRow& k) {
  return Json{
      {"shaft_range_min_d1", real(k.shaft_range_min_d1)},
      {"shaft_range_max_d1", real(k.shaft_range_max_d1)},
      {"key_width_b", real(k.key_width_b)},
      {"key_height_h", real(k.key_height_h)},
      {"key_diameter_d2", real(k.key_diameter_d2)},
      {"key_rounding_r1", real(k.key_rounding_r1)},
      {"shaft_groove_depth_t1_a", real(k.shaft_groove_depth_t1_a)},
      {"shaft_groove_depth_t1_b", real(k.shaft_groove_depth_t1_b)},
      {"hub_groove_depth_t2_a", real(k.hub_groove_depth_t2_a)},
      {"hub_groove_depth_t2_b", real(k.hub_groove_depth_t2_b)},
      {"key_row_text_1", text(k.key_row_text_1)},
      {"key_row_text_2", text(k.key_row_text_2)},
  };
}

Json material_json(const Material& m) {
  Json r = Json::array();
  for (const Real x : m.reals) r.push_back(real(x));
  return Json{
      {"number", text(m.number)},
      {"name", text(m.name)},
      {"number2", text(m.number2)},
      {"type_number", m.type_number},
      {"tensile_rm", m.tensile_rm},
      {"yield_re", m.yield_re},
      {"table_int_7", m.table_int_7},
      {"reals", r},
      {"texts", Json::array({text(m.texts[0]), text(m.texts[1])})},
  };
}

// The inputs: what the dialogs and the input data file write, with the key row they chose.
Json record_inputs(const ConnectionRecord& r) {
  Json j{
      {"shaft_diameter_d", real(r.shaft_diameter_d)},
      {"key_count", r.key_count},
      {"key_series", r.key_series},
      {"key_row_number", r.key_row_number},
      {"key_reserved_flag", r.key_reserved_flag},
      {"fit_hub", text(r.fit_hub)},
      {"fit_shaft", text(r.fit_shaft)},
      {"alpha_kb", real(r.alpha_kb)},
      {"key_row", key_row_json(r.key_row)},
  };
  j["material"] = Json::array({material_json(r.material[kShaft]), material_json(r.material[kHub]),
                               material_json(r.material[kKey])});
  j["material_row_number"] = r.material_row_number;
  j["material_reserved_flag"] = r.material_reserved_flag;
  j["hardness_factor_fh"] = reals(r.hardness_factor_fh);
  j["support_factor_fs"] = reals(r.support_factor_fs);
  j["nominal_torque_tn"] = real(r.nominal_torque_tn);
  j["max_torque_tmax"] = real(r.max_torque_tmax);
  j["application_factor_ka"] = real(r.application_factor_ka);
  j["load_distribution_factor_klambda"] = real(r.load_distribution_factor_klambda);
  j["friction_factor_kr"] = real(r.friction_factor_kr);
  j["bending_moment_mbmax"] = real(r.bending_moment_mbmax);
  j["load_reversal_factor_fw"] = real(r.load_reversal_factor_fw);
  j["load_peak_factor_fl"] = reals(r.load_peak_factor_fl);
  return j;
}

// The values the rating derives and its results, in the order it writes them.
void add_results(Json& j, const ConnectionRecord& r) {
  const std::pair<const char*, Real> values[] = {
      {"shaft_groove_depth_t1", r.shaft_groove_depth_t1},
      {"hub_groove_depth_t2", r.hub_groove_depth_t2},
      {"t1_tolerance", r.t1_tolerance},
      {"t2_tolerance", r.t2_tolerance},
      {"r1_tolerance", r.r1_tolerance},
      {"groove_rounding_r2", r.groove_rounding_r2},
      {"r2_tolerance", r.r2_tolerance},
      {"h_deviation", r.h_deviation},
      {"key_length_l", r.key_length_l},
      {"groove_chord_l1", r.groove_chord_l1},
      {"area_key_a3", r.area_key_a3},
      {"area_shaft_groove_a1", r.area_shaft_groove_a1},
      {"area_hub_groove_a2", r.area_hub_groove_a2},
      {"area_key_min_a3min", r.area_key_min_a3min},
      {"area_shaft_min_a1min", r.area_shaft_min_a1min},
      {"area_hub_min_a2min", r.area_hub_min_a2min},
      {"equivalent_torque_teq", r.equivalent_torque_teq},
      {"equivalent_force_feq", r.equivalent_force_feq},
      {"max_force_fmax", r.max_force_fmax},
      {"bearing_factor_k_nu_eq", r.bearing_factor_k_nu_eq},
      {"bearing_factor_k_nu_max", r.bearing_factor_k_nu_max},
      {"alpha_kt", r.alpha_kt},
      {"tau_max", r.tau_max},
      {"sigma_b_max", r.sigma_b_max},
  };
  for (const auto& [name, value] : values) j[name] = real(value);
  j["plim"] = reals(r.plim);
  j["peq"] = reals(r.peq);
  j["pmax"] = reals(r.pmax);
  j["safety_seq"] = reals(r.safety_seq);
  j["safety_smax"] = reals(r.safety_smax);
}

Json texts(const std::vector<std::string>& cp850) {
  Json list = Json::array();
  for (const auto& t : cp850) list.push_back(text(t));
  return list;
}

Json key_json(const KeyVariant& v) {
  Json j{
      {"row", v.row},
      {"b", real(v.key.key_width_b)},
      {"h", real(v.key.key_height_h)},
      {"series", series_letter(v.series)},
      {"key_count", v.key_count},
  };
  // A stopped variant has no safeties to rank by.
  if (!v.fatal) {
    j["min_seq"] = real(v.min_seq.value);
    j["min_seq_part"] = part_name_utf8(v.min_seq.part);
    j["min_smax"] = real(v.min_smax.value);
    j["min_smax_part"] = part_name_utf8(v.min_smax.part);
  }
  j["fatal"] = v.fatal;
  j["meets_targets"] = v.meets_targets;
  j["messages"] = texts(v.messages);
  return j;
}

Json design_json(const ResultJsonSource& s) {
  Json j{{"targets", Json{{"seq", real(s.targets.seq)}, {"smax", real(s.targets.smax)}}}};
  const PermissibleTorques& p = s.torques;
  if (p.rated) {
    j["tn_perm"] = real(p.tn_perm.value);
    j["tn_perm_part"] = part_name_utf8(p.tn_perm.part);
    j["tmax_perm"] = real(p.tmax_perm.value);
    j["tmax_perm_part"] = part_name_utf8(p.tmax_perm.part);
    if (p.tmax_tau) {
      j["tmax_tau"] = real(*p.tmax_tau);
      j["tmax_tau_part"] = part_name_utf8(kShaft);
    }
  } else {
    j["fatal_message"] = text(p.fatal_message);
  }
  Json keys = Json::array();
  for (const KeyVariant& v : s.keys) keys.push_back(key_json(v));
  j["keys"] = keys;
  return j;
}

}  // namespace

JsonValue record_json(const ConnectionRecord& rec) {
  Json record = record_inputs(rec);
  if (!rec.fatal_error) add_results(record, rec);
  return record;
}

std::string part_name_utf8(int part) { return cp850ToUtf8(kPartNames[static_cast<std::size_t>(part)]); }

JsonValue result_json(const ResultJsonSource& s) {
  const ConnectionRecord& r = s.rec;
  Json messages = Json::array();
  for (int n = 1; n <= s.messages.count(); ++n) messages.push_back(text(s.messages.entry(n)));
  const Documentation& d = s.doc;
  Json documentation{
      {"info_text", Json::array({text(d.info_text[0]), text(d.info_text[1]), text(d.info_text[2])})},
      {"inner_part_name", text(r.inner_part_name)},
      {"inner_part_number", text(r.inner_part_number)},
      {"outer_part_name", text(r.outer_part_name)},
      {"outer_part_number", text(r.outer_part_number)},
  };
  return Json{
      {"program", s.identity.short_name},
      {"version", s.identity.version},
      {"input", s.input},
      {"fatal_error", r.fatal_error},
      {"messages", messages},
      {"record", record_json(r)},
      {"documentation", documentation},
      {"design", design_json(s)},
  };
}

}  // namespace vx11
