#include "report/result_table_columns.h"

#include "base/format.h"
#include "base/text.h"
#include "report/window_copy.h"

namespace vx11 {

namespace {

std::string series_letter(std::int16_t series) {
  switch (series) {
    case 1: return "A";
    case 2: return "B";
    default: return {};
  }
}

}  // namespace

ResultRow result_table_heads(const FormatSettings& format) {
  const std::string len = toWindows(format, unitLength(format));
  const std::string torque = toWindows(format, unitTorque(format));
  const std::string key = kPartNames[kKey];
  return {"File",
          "Date  y/m/d",
          "1 (Welle)",
          "2 (Nabe)",
          "3 (" + key + ")",
          "b [" + len + "]",
          "h [" + len + "]",
          "d2 [" + len + "]",
          "A/B",
          "d [" + len + "]",
          "TN [" + torque + "]",
          "Tmax [" + torque + "]",
          "Material 1 (Welle)",
          "Material 2 (Nabe)",
          "Material 3 (" + key + ")",
          "S eq 1",
          "S eq 2",
          "S eq 3",
          "S max 1",
          "S max 2",
          "S max 3"};
}

ResultRow result_table_row(const FormatSettings& format, std::string_view file_name, std::time_t file_date,
                           const ConnectionRecord& rec) {
  ResultRow row = result_table_fatal_row(format, file_name, file_date, rec, {});
  for (int i = 0; i < 3; ++i) {
    row[result_column::kSafetyEq1 + i] = fmtFixed(format, 3, 2, rec.safety_seq[i]);
    row[result_column::kSafetyMax1 + i] = fmtFixed(format, 3, 2, rec.safety_smax[i]);
  }
  return row;
}

ResultRow result_table_fatal_row(const FormatSettings& format, std::string_view file_name, std::time_t file_date,
                                 const ConnectionRecord& rec, std::string_view cp850_message) {
  const KeyRow& key = rec.key_row;
  ResultRow row;
  row[0] = file_name;
  row[1] = fileDateText(file_date);
  row[2] = toWindows(format, rec.inner_part_number);
  row[3] = toWindows(format, rec.outer_part_number);
  row[4] = "DIN 6888 - " + fmtSig(format, key.key_width_b) + " x " + fmtSig(format, key.key_height_h);
  row[5] = fmtLengthFixed(format, 3, 1, key.key_width_b);
  row[6] = fmtLengthFixed(format, 3, 1, key.key_height_h);
  row[7] = fmtLengthFixed(format, 3, 1, key.key_diameter_d2);
  row[8] = series_letter(rec.key_series);
  row[9] = fmtLengthFixed(format, 3, 2, rec.shaft_diameter_d);
  row[10] = fmtTorqueFixed(format, 5, 1, rec.nominal_torque_tn);
  row[11] = fmtTorqueFixed(format, 5, 1, rec.max_torque_tmax);
  for (int i = 0; i < 3; ++i) row[12 + i] = toWindows(format, rec.material[i].name);
  row[result_column::kSafetyEq1] = toWindows(format, cp850_message);
  return row;
}

ResultRow result_table_error_row(const FormatSettings& format, std::string_view file_name, std::time_t file_date,
                                 std::string_view cp850_message) {
  ResultRow row;
  row[0] = file_name;
  if (file_date != 0) row[1] = fileDateText(file_date);
  row[result_column::kShaftNumber] = toWindows(format, cp850_message);
  return row;
}

}  // namespace vx11
