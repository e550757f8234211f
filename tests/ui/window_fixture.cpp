#include "tests/ui/window_fixture.h"

#include <filesystem>

#include "ui/command_groups.h"

namespace vx11::test {

void WindowTest::SetUp() {
  DialogTest::SetUp();
  state->config_folder = root + "/";
  state->session.data_directory = root + "/";
  install_file_commands(w, *state);
}

std::string WindowTest::example(const std::string& name) const {
  const std::string to = root + "/" + name + ".vxk";
  std::filesystem::copy_file(std::string(VX11_SOURCE_DIR) + "/examples/" + name + ".vxk", to,
                             std::filesystem::copy_options::overwrite_existing);
  return to;
}

void expect_same_inputs(const ConnectionRecord& a, const ConnectionRecord& b) {
  EXPECT_EQ(a.inner_part_number, b.inner_part_number);
  EXPECT_EQ(a.inner_part_name, b.inner_part_name);
  EXPECT_EQ(a.outer_part_number, b.outer_part_number);
  EXPECT_EQ(a.nominal_torque_tn, b.nominal_torque_tn);
  EXPECT_EQ(a.max_torque_tmax, b.max_torque_tmax);
  EXPECT_EQ(a.shaft_diameter_d, b.shaft_diameter_d);
  EXPECT_EQ(a.key_count, b.key_count);
  EXPECT_EQ(a.key_row_number, b.key_row_number);
  EXPECT_EQ(a.key_series, b.key_series);
  EXPECT_EQ(a.alpha_kb, b.alpha_kb);
  EXPECT_EQ(a.load_reversal_factor_fw, b.load_reversal_factor_fw);
  EXPECT_EQ(a.bending_moment_mbmax, b.bending_moment_mbmax);
  for (int p = 0; p < 3; ++p) EXPECT_EQ(a.material[p].name, b.material[p].name) << p;
}

}  // namespace vx11::test
