#include "calc/connection_record.h"

namespace vx11 {

void set_startup_defaults(ConnectionRecord& rec) {
  const bool cancelled = rec.cancelled;
  const auto materials = rec.material;
  const auto rows = rec.material_row_number;
  const auto fh = rec.hardness_factor_fh;
  const auto fs = rec.support_factor_fs;
  const auto reserved = rec.material_reserved_flag;
  // A fresh record holds exactly the start-up values; materials belong to set_default_materials.
  rec = ConnectionRecord{};
  rec.material = materials;
  rec.material_row_number = rows;
  rec.hardness_factor_fh = fh;
  rec.support_factor_fs = fs;
  rec.material_reserved_flag = reserved;
  rec.cancelled = cancelled;
}

namespace {
Material default_material(const char* number, const char* name, std::int32_t re) {
  Material m;
  m.number = number;
  m.name = name;
  m.number2 = "1.0037";
  m.type_number = 1;
  m.tensile_rm = 370;
  m.yield_re = re;
  return m;
}
}  // namespace

void set_default_materials(ConnectionRecord& rec) {
  rec.material[kShaft] = default_material("1.0570", "S355J2G3 (St52-3)", 355);
  rec.material[kHub] = default_material("0.6030", "EN-GJL-300", 230);
  rec.material[kKey] = default_material("1.0060", "E335 (St 60)", 340);
  rec.support_factor_fs = {1.2L, 2.0L, 1.0L};
  rec.hardness_factor_fh = {1.0L, 1.0L, 1.0L};
  rec.material_row_number = {1, 1, 5};
  rec.material_reserved_flag = 1;
  rec.load_reversal_factor_fw = 1.0L;
  rec.load_peak_factor_fl = {1.0L, 1.0L, 1.0L};
  rec.plim = rec.peq = rec.pmax = rec.safety_seq = rec.safety_smax = {1.0L, 1.0L, 1.0L};
}

std::string cut_text(std::string_view text, std::size_t max_length) {
  return std::string(text.substr(0, max_length));
}

}  // namespace vx11
