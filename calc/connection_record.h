// The one in-memory record of a Woodruff key connection: inputs, key row, materials, results, flags.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/real.h"

namespace vx11 {

// Part indices of every array of three.
enum PartIndex : int { kShaft = 0, kHub = 1, kKey = 2 };

// Display names of the three parts, in code page 850 (plain ASCII here).
inline constexpr std::array<const char*, 3> kPartNames = {"Welle", "Nabe", "Scheibenfeder"};

// Maximum text lengths of the record's text fields.
namespace limits {
inline constexpr std::size_t kKeyRowText1 = 10;
inline constexpr std::size_t kKeyRowText2 = 25;
inline constexpr std::size_t kMaterialNumber = 9;
inline constexpr std::size_t kMaterialName = 18;
inline constexpr std::size_t kMaterialText = 35;
inline constexpr std::size_t kPartName = 25;
inline constexpr std::size_t kPartNumber = 18;
inline constexpr std::size_t kFitText = 20;
}  // namespace limits

// A copy of one row of the key table din6888, twelve fields in table order.
struct KeyRow {
  Real shaft_range_min_d1 = 0;
  Real shaft_range_max_d1 = 0;
  Real key_width_b = 0;
  Real key_height_h = 0;
  Real key_diameter_d2 = 0;
  Real key_rounding_r1 = 0;
  Real shaft_groove_depth_t1_a = 0;
  Real shaft_groove_depth_t1_b = 0;
  Real hub_groove_depth_t2_a = 0;
  Real hub_groove_depth_t2_b = 0;
  std::string key_row_text_1;  // up to 10 characters
  std::string key_row_text_2;  // up to 25 characters
};

// One material, fields in the order of the material table wst1base.
struct Material {
  std::string number;   // up to 9 characters, "Werkstoffnummer"
  std::string name;     // up to 18 characters, "Werkstoffname"
  std::string number2;  // up to 9 characters
  std::int32_t type_number = 0;
  std::int32_t tensile_rm = 0;
  std::int32_t yield_re = 0;  // Re, for brittle materials Rm
  std::int32_t table_int_7 = 0;
  std::array<Real, 4> reals{};              // table fields 8 to 11
  std::array<std::string, 2> texts;         // table fields 12 and 13, up to 35 characters
};

struct ConnectionRecord {
  // Inputs of the dimension dialog.
  Real shaft_diameter_d = 35;
  std::int16_t key_count = 1;
  std::int16_t key_series = 1;  // 1 = A, 2 = B
  std::int32_t key_row_number = 0;
  std::int16_t key_reserved_flag = 1;
  std::string fit_hub = "H7";
  std::string fit_shaft = "h6";
  Real alpha_kb = 5.0L;

  KeyRow key_row;

  // Materials of shaft, hub, key and their factors.
  std::array<Material, 3> material;
  std::array<std::int16_t, 3> material_row_number{1, 1, 5};
  std::int16_t material_reserved_flag = 1;
  std::array<Real, 3> hardness_factor_fh{1.0L, 1.0L, 1.0L};
  std::array<Real, 3> support_factor_fs{1.2L, 2.0L, 1.0L};

  // Loads. The block of five reals is stored whole in the input data file;
  // its first two members take no part in the calculation.
  Real nominal_torque_tn = 60;
  Real max_torque_tmax = 90;
  std::array<Real, 2> load_block_unused{0, 0};
  Real application_factor_ka = 1.0L;
  Real load_distribution_factor_klambda = 1.0L;
  Real friction_factor_kr = 1.0L;
  Real bending_moment_mbmax = 0;
  Real load_reversal_factor_fw = 1.0L;
  std::array<Real, 3> load_peak_factor_fl{1.0L, 1.0L, 1.0L};

  // Derived from the key row and the series by the rating.
  Real shaft_groove_depth_t1 = 0;
  Real hub_groove_depth_t2 = 0;
  Real t1_tolerance = 0;
  Real t2_tolerance = 0;
  Real r1_tolerance = 0;
  Real groove_rounding_r2 = 0;
  Real r2_tolerance = 0;
  Real h_deviation = 0;  // lower deviation of h for h9, mm, negative
  Real key_length_l = 20;
  Real groove_chord_l1 = 0;

  // Results.
  Real area_key_a3 = 0;
  Real area_shaft_groove_a1 = 0;
  Real area_hub_groove_a2 = 0;
  Real area_key_min_a3min = 0;
  Real area_shaft_min_a1min = 0;
  Real area_hub_min_a2min = 0;
  Real equivalent_torque_teq = 0;
  Real equivalent_force_feq = 0;
  Real max_force_fmax = 0;
  Real bearing_factor_k_nu_eq = 1.0L;
  Real bearing_factor_k_nu_max = 1.0L;
  Real alpha_kt = 4.5L;
  Real tau_max = 100;
  Real sigma_b_max = 0;
  std::array<Real, 3> plim{1.0L, 1.0L, 1.0L};
  std::array<Real, 3> peq{1.0L, 1.0L, 1.0L};
  std::array<Real, 3> pmax{1.0L, 1.0L, 1.0L};
  std::array<Real, 3> safety_seq{1.0L, 1.0L, 1.0L};
  std::array<Real, 3> safety_smax{1.0L, 1.0L, 1.0L};

  // Documentation fields of the report headers.
  std::string inner_part_name = "Welle";
  std::string inner_part_number = "11111111";
  std::string outer_part_name = "Nabe";
  std::string outer_part_number = "22222222";

  // State flags.
  bool fatal_error = false;
  bool cancelled = false;
};

// Sets every input to its start-up default, clears the key row and the derived values.
void set_startup_defaults(ConnectionRecord& rec);

// Sets the default materials of shaft, hub and key and the factors and results that go with them.
void set_default_materials(ConnectionRecord& rec);

// Cuts a text to its field's maximum length.
std::string cut_text(std::string_view text, std::size_t max_length);

}  // namespace vx11
