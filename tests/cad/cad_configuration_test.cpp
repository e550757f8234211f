// The CAD settings and the surface state taken from the configuration.
#include "cad/cad_configuration.h"
#include "project/configuration.h"
#include "tests/cad/cad_fixture.h"

namespace vx11::test {
namespace {

TEST(CadConfiguration, DefaultsAgreeWithTheConfigurationDefaults) {
  const Configuration config = default_configuration("/start/");
  CadSettings from = cadSettingsFrom(config, ProgramIdentity{});
  const CadSettings plain;
  EXPECT_EQ(from.layer_name, plain.layer_name);
  EXPECT_EQ(from.layer_colour, plain.layer_colour);
  EXPECT_EQ(from.text_style, plain.text_style);
  EXPECT_EQ(from.pen_colour, plain.pen_colour);
  EXPECT_EQ(from.line_width_layer, plain.line_width_layer);
  EXPECT_EQ(from.decimals, plain.decimals);
  EXPECT_EQ(from.plot_command_lines, plain.plot_command_lines);
  EXPECT_EQ(from.program_name, "VX11");
}

TEST(CadConfiguration, EditedPlotLinesGoBackAndSurfaceTakesItsFactors) {
  Configuration config = default_configuration("/start/");
  config.temp_folder = "/var/tmp/";
  config.dxf_decimals = 3;
  config.zoom_factor = 1.5L;
  config.resolution_horizontal = 1023;
  CadSettings cad = cadSettingsFrom(config, ProgramIdentity{});
  EXPECT_EQ(cad.temp_folder, "/var/tmp/");
  EXPECT_EQ(cad.decimals, 3);
  cad.plot_command_lines[1] = "plotter x";
  cad.plot_command_count = 2;
  storePlotCommandLines(cad, config);
  EXPECT_EQ(config.plot_command_lines[1], "plotter x");
  EXPECT_EQ(config.plot_command_count, 2);
  GraphicsState g;
  applyGraphicsConfiguration(config, g);
  EXPECT_EQ(g.width, 1023);
  EXPECT_EQ(g.zoom_factor, 1.5L);
  EXPECT_EQ(g.text_width_factor, 0.8L);
}

}  // namespace
}  // namespace vx11::test
