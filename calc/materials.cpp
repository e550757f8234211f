#include "calc/materials.h"

#include "calc/table_object.h"
#include "base/format.h"

namespace vx11 {

namespace {

std::int32_t int32_field(const TableObject& t, int i) { return static_cast<std::int32_t>(field_integer(t, i)); }

Material read_material(const TableObject& t) {
  Material m;
  m.number = cut_field_text(t, 1, limits::kMaterialNumber);
  m.name = cut_field_text(t, 2, limits::kMaterialName);
  m.number2 = cut_field_text(t, 3, limits::kMaterialNumber);
  m.type_number = int32_field(t, 4);
  m.tensile_rm = int32_field(t, 5);
  m.yield_re = int32_field(t, 6);
  m.table_int_7 = int32_field(t, 7);
  for (int i = 0; i < 4; ++i) m.reals[static_cast<std::size_t>(i)] = field_real(t, 8 + i);
  m.texts = {cut_field_text(t, 12, limits::kMaterialText), cut_field_text(t, 13, limits::kMaterialText)};
  return m;
}

MaterialTypeRow read_type_row(const TableObject& t) {
  MaterialTypeRow row;
  row.type_number = static_cast<int>(field_integer(t, 1));
  row.group_name = cut_field_text(t, 2, 20);
  for (int i = 0; i < 6; ++i) row.factors[static_cast<std::size_t>(i)] = field_real(t, 3 + i);
  return row;
}

// Opens "vx3wstyp" ordered by type number; false (closed) when either step fails.
bool open_type_table(CalcContext& ctx) {
  TableObject& t = ctx.tables;
  if (!t.open_table(ctx, "vx3wstyp")) return false;
  if (!t.create_index(ctx, t.field_name(1), "vx3wstyp")) {
    t.close_table();
    return false;
  }
  return true;
}

// Looks up fS and fH of the part's material type; the factors stay when the type is missing.
void look_up_factors(CalcContext& ctx, int index) {
  TableObject& t = ctx.tables;
  if (!open_type_table(ctx)) return;
  const std::string key = fmtIntBlank(ctx.rec.material[static_cast<std::size_t>(index)].type_number, 2);
  if (t.find_exact(key)) {
    t.type_row = read_type_row(t);
    // Table fields 3/4 belong to the key, 5/6 to the shaft, 7/8 to the hub.
    const int fs_field = index == kShaft ? 5 : index == kHub ? 7 : 3;
    ctx.rec.support_factor_fs[static_cast<std::size_t>(index)] = field_real(t, fs_field);
    ctx.rec.hardness_factor_fh[static_cast<std::size_t>(index)] = field_real(t, fs_field + 1);
  } else {
    const std::string text = "Werkstofftyp " + key + " " + "nicht gefunden" + ".";
    ctx.ui.message(kCaptionError, text);
    ctx.messages.add(text);
  }
  t.close_table();
}

}  // namespace

void choose_material(CalcContext& ctx, int mode, int part) {
  if (part < 1 || part > 3) return;
  const int index = part - 1;
  const auto slot = static_cast<std::size_t>(index);
  TableObject& t = ctx.tables;
  t.set_titles("", std::string("Werkstoff ") + kPartNames[slot]);
  if (!t.open_table(ctx, "wst1base")) return;
  if (!t.create_index(ctx, t.field_name(1), "wst1base")) {
    t.close_table();
    return;
  }
  if (!t.find_exact(ctx.rec.material[slot].number)) {
    const int row = ctx.rec.material_row_number[slot];
    if (row != 0) {
      t.go_to_record(ctx, row);
    } else if (const auto order = t.records_in_order(false); !order.empty()) {
      t.go_to_record(ctx, order.front());
    }
  }
  ctx.help_number = kHelpMaterialTable;
  t.browse(ctx, mode);
  const bool take = mode == 1 && !ctx.rec.cancelled;
  if (take) {
    ctx.rec.material[slot] = read_material(t);
    ctx.rec.material_row_number[slot] = static_cast<std::int16_t>(t.current_record());
  }
  t.close_table();
  if (take) look_up_factors(ctx, index);
}

void show_material_table(CalcContext& ctx, int mode) {
  TableObject& t = ctx.tables;
  t.set_titles("", "Werkstoffdatenbank");
  if (!t.open_table(ctx, "wst1base")) return;
  ctx.help_number = kHelpMaterialTable;
  t.browse(ctx, mode);
  if (mode == 1 && !ctx.rec.cancelled) ctx.rec.material[kShaft] = read_material(t);
  t.close_table();
}

void show_type_table(CalcContext& ctx, int mode) {
  TableObject& t = ctx.tables;
  t.set_titles("", "Werkstoffgruppen mit fH und fS");
  if (!open_type_table(ctx)) {
    ctx.messages.add("Fatal  : DIN 6885 Datenbank");
    return;
  }
  ctx.help_number = kHelpMaterialTypeTable;
  t.browse(ctx, mode);
  if (mode == 1 && !ctx.rec.cancelled) t.type_row = read_type_row(t);
  t.close_table();
}

std::string plim_text(const FormatSettings& s, Real re, Real fs, Real fh) {
  const char* unit = s.inch() ? "psi" : s.ascii_mode ? "N/mm2" : "N/mm\xFD";
  return "plim = Re * fs * fH = " + fmtStressSig(s, re * fs * fh) + " " + unit;
}

}  // namespace vx11
