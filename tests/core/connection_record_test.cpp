#include "calc/connection_record.h"

#include <gtest/gtest.h>

namespace vx11 {
namespace {

TEST(ConnectionRecord, StartupState) {
  ConnectionRecord rec;
  rec.key_row.key_width_b = 4;
  rec.key_row_number = 7;
  rec.shaft_diameter_d = 12;
  set_startup_defaults(rec);
  set_default_materials(rec);
  EXPECT_EQ(rec.shaft_diameter_d, 35);
  EXPECT_EQ(rec.nominal_torque_tn, 60);
  EXPECT_EQ(rec.max_torque_tmax, 90);
  EXPECT_EQ(rec.application_factor_ka, 1.0L);
  EXPECT_EQ(rec.load_distribution_factor_klambda, 1.0L);
  EXPECT_EQ(rec.friction_factor_kr, 1.0L);
  EXPECT_EQ(rec.load_reversal_factor_fw, 1.0L);
  EXPECT_EQ(rec.key_count, 1);
  EXPECT_EQ(rec.key_series, 1);
  EXPECT_EQ(rec.fit_hub, "H7");
  EXPECT_EQ(rec.fit_shaft, "h6");
  EXPECT_EQ(rec.key_row_number, 0);
  EXPECT_EQ(rec.key_row.key_width_b, 0);
  EXPECT_EQ(rec.key_length_l, 20);
  EXPECT_EQ(rec.tau_max, 100);
  EXPECT_EQ(rec.alpha_kt, 4.5L);
  EXPECT_EQ(rec.material[kShaft].name, "S355J2G3 (St52-3)");
  EXPECT_EQ(rec.material[kHub].name, "EN-GJL-300");
  EXPECT_EQ(rec.material[kKey].name, "E335 (St 60)");
  EXPECT_EQ(rec.material[kHub].yield_re, 230);
  EXPECT_EQ(rec.material[kKey].yield_re, 340);
  EXPECT_EQ(rec.support_factor_fs[kHub], 2.0L);
  EXPECT_EQ(rec.material_row_number[kKey], 5);
  EXPECT_EQ(rec.material[kShaft].number2, "1.0037");
  EXPECT_EQ(rec.material[kShaft].tensile_rm, 370);
  EXPECT_EQ(rec.inner_part_number, "11111111");
  EXPECT_EQ(rec.outer_part_name, "Nabe");
}

}  // namespace
}  // namespace vx11
