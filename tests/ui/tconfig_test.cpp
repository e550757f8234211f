#include "ui/tconfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QPushButton>
#include <QTableWidget>

#include <filesystem>
#include <fstream>
#include <numbers>

#include "base/paths.h"
#include "base/format.h"
#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::click;

class ConfigDialog : public test::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    state->config_folder = root + "/";
    screen.width = 1280;
    screen.height = 1024;
  }
  std::unique_ptr<Tconfig> make() { return std::make_unique<Tconfig>(*state, screen, help, pickers); }
  Configuration read_back() {
    Configuration c = default_configuration(current_folder());
    std::ifstream in(root + "/vx11.cfg", std::ios::binary);
    EXPECT_TRUE(in.good());
    read_configuration(in, c, screen, current_folder());
    return c;
  }
  ScreenMetrics screen;
  ConfigPickers pickers;
};

TEST_F(ConfigDialog, SaveWritesWhatReadsBackEqual) {
  auto d = make();
  retype(d.get(), "Edit_zoom", "1,5");
  retype(d.get(), "Edit_decimals", "4");
  retype(d.get(), "Edit_freigabe", QString::fromUtf8("Geprüft"));
  retype(d.get(), "Edit_3dx", "90");
  d->findChild<QComboBox*>("RadioGroup_index")->setCurrentIndex(1);
  d->findChild<QCheckBox*>("CheckBox_logo")->setChecked(false);
  d->findChild<QTableWidget*>("StringGrid_layer")->item(4, 0)->setText("Mitte");
  click(d.get(), "Button_save");
  EXPECT_FALSE(state->rec.cancelled);
  EXPECT_EQ(state->config.zoom_factor, 1.5L);
  EXPECT_EQ(state->config.decimals, 4);
  EXPECT_EQ(state->format.decimals, 4);  // applied to the running program
  EXPECT_EQ(state->config.title_row4_label, "Gepr\x81" "ft");
  EXPECT_NEAR(static_cast<double>(state->config.default_3d[0]), std::numbers::pi / 2, 1e-15);
  EXPECT_EQ(state->config.change_index_style, 1);
  EXPECT_TRUE(state->config.hide_logo);
  EXPECT_EQ(state->config.layer_name[4], "Mitte");
  const Configuration back = read_back();
  EXPECT_EQ(back.zoom_factor, state->config.zoom_factor);
  EXPECT_EQ(back.layer_name, state->config.layer_name);
  EXPECT_NEAR(static_cast<double>(back.default_3d[0]), static_cast<double>(state->config.default_3d[0]), 1e-8);  // the file holds eight decimals
  Configuration same = back;
  same.default_3d = state->config.default_3d;
  EXPECT_TRUE(same == state->config);
  // The dialog stays open and shows the applied values.
  EXPECT_EQ(parseReal(text_of(d.get(), "Edit_3dx").toStdString()), 90);
}

TEST_F(ConfigDialog, ApplyingRules) {
  struct Case {
    const char* name;
    const char* edit;
    const char* typed;
    std::function<Real(const Configuration&)> field;
    Real expected;
  };
  const Case cases[] = {
      {"zero text width factor", "Edit_textwidth", "0", [](const Configuration& c) { return c.graphics_text_width_factor; }, 1},
      {"zero text height factor", "Edit_textheight", "abc", [](const Configuration& c) { return c.text_height_factor; }, 1},
      {"zero zoom", "Edit_zoom", "0", [](const Configuration& c) { return c.zoom_factor; }, 1},
      {"zero dimension factor", "Edit_dimfactor", "0,0", [](const Configuration& c) { return c.dimension_factor; }, 1},
      {"zero dialog scale", "Edit_dialogscale", "0", [](const Configuration& c) { return c.input_window_scale; }, 100},
      {"zero element scale", "Edit_elementscale", "0", [](const Configuration& c) { return c.dialog_element_scale; }, 100},
      {"window one less", "Edit_resx", "801", [](const Configuration& c) { return c.resolution_horizontal; }, 800},
      {"window clamped", "Edit_resy", "9000", [](const Configuration& c) { return c.resolution_vertical; }, 5000},
      {"window zero fills the screen", "Edit_resx", "1", [](const Configuration& c) { return c.resolution_horizontal; }, 1271},
      {"comma decimal", "Edit_pan", "0,05", [](const Configuration& c) { return c.pan_factor; }, 0.05L},
  };
  for (const auto& c : cases) {
    auto d = make();
    retype(d.get(), c.edit, c.typed);
    d->apply();
    EXPECT_EQ(c.field(state->config), c.expected) << c.name;
  }
}

TEST_F(ConfigDialog, DefaultButtons) {
  auto d = make();
  auto* grid = d->findChild<QTableWidget*>("StringGrid_layer");
  for (int r = 0; r < 3; ++r) grid->item(4, r)->setText("9");
  grid->item(0, 1)->setText("7");
  click(d.get(), "Button_layer5");
  click(d.get(), "Button_layer1");
  retype(d.get(), "Edit_scalex", "2,5");
  for (const char* e : {"Edit_textwidth", "Edit_zoom", "Edit_pan", "Edit_cadtextwidth", "Edit_cadtextangle",
                        "Edit_dxfdecimals", "Edit_originx", "Edit_scaley", "Edit_freigabe", "Edit_dimfactor"}) {
    retype(d.get(), e, "3");
    click(d.get(), (std::string("Button_default_") + e).c_str());
  }
  click(d.get(), "Button_thickness2");
  d->apply();
  const Configuration& c = state->config;
  EXPECT_EQ(c.layer_name[4], "5");
  EXPECT_EQ(c.layer_colour[4], 1);
  EXPECT_EQ(c.line_thickness[5], 3);
  EXPECT_EQ(c.layer_colour[0], 2);
  EXPECT_EQ(c.line_thickness[1], 1);
  EXPECT_EQ(c.graphics_text_width_factor, 0.8L);
  EXPECT_EQ(c.zoom_factor, 1.02L);
  EXPECT_EQ(c.pan_factor, 0.02L);
  EXPECT_EQ(c.cad_text_width_factor, 1);
  EXPECT_EQ(c.cad_text_angle, 0);
  EXPECT_EQ(c.dxf_decimals, 6);
  EXPECT_EQ(c.screendump_origin_x, 0);
  EXPECT_EQ(c.screendump_scale, 2.5L);
  EXPECT_EQ(c.print_scale_vertical, 2.5L);  // "<" copies the x scale
  EXPECT_EQ(c.title_row4_label, "Frei");
  EXPECT_EQ(c.dimension_factor, 1);
  for (int t : c.line_thickness_16) EXPECT_EQ(t, 2);
}

TEST_F(ConfigDialog, CancelAppliesNothingAndImportRefills) {
  const Configuration before = state->config;
  {
    test::ModalDriver drive({[](QWidget* w) {
      retype(w, "Edit_zoom", "7");
      test::press(w, Qt::Key_Escape);
    }});
    EXPECT_FALSE(edit_configuration(*state, screen, help, pickers, nullptr));
  }
  EXPECT_TRUE(state->config == before);
  // A configuration written elsewhere is read into the pages, not yet applied.
  Configuration other = before;
  other.zoom_factor = 1.25L;
  other.layer_name[0] = "Kontur";
  {
    std::ofstream out(root + "/other.cfg", std::ios::binary);
    write_configuration(out, other, state->identity);
  }
  ui.files.push_back(root + "/other.cfg");
  auto d = make();
  click(d.get(), "Button_import");
  EXPECT_EQ(text_of(d.get(), "Edit_zoom"), QStringLiteral("1.25"));
  EXPECT_EQ(d->findChild<QTableWidget*>("StringGrid_layer")->item(0, 0)->text(), QStringLiteral("Kontur"));
  EXPECT_EQ(state->config.zoom_factor, before.zoom_factor);
  EXPECT_EQ(state->config_folder, root + "/");
}

TEST_F(ConfigDialog, PickersAndPlotLines) {
  pickers.folder = [](const QString&) { return std::optional<QString>("/srv/tabellen"); };
  pickers.colour = [](const QColor&) { return std::optional<QColor>(QColor(10, 20, 30)); };
  pickers.plot_line = [](std::string& line) {
    line = "wzeichnr /tmp/zeichnr /CPS";
    return true;
  };
  auto d = make();
  click(d.get(), "Button_browse_Edit_dbf");
  click(d.get(), "Button_background");
  d->findChild<QListWidget*>("ListBox_plot")->setCurrentRow(2);
  click(d.get(), "Button_plotconfig");
  d->apply();
  EXPECT_EQ(state->config.dbf_folder, "/srv/tabellen");
  EXPECT_EQ(state->config.background_colour, 10 | (20 << 8) | (30 << 16));
  EXPECT_EQ(state->config.plot_command_lines[2], "wzeichnr /tmp/zeichnr /CPS");
  EXPECT_EQ(state->config.plot_command_count, 3);
  EXPECT_EQ(colour_of(colour_value(QColor(1, 2, 3))), QColor(1, 2, 3));
}

TEST_F(ConfigDialog, ConfigOpensThePlotDialogOnTheSelectedLine) {
  pickers = qt_config_pickers(*state, nullptr);
  auto d = make();
  d->findChild<QListWidget*>("ListBox_plot")->setCurrentRow(1);
  test::ModalDriver drive({[](QWidget* w) {
    EXPECT_EQ(w->objectName(), QStringLiteral("TForm_confzeichnr"));
    retype(w, "Edit_scale", "0");
    test::press(w, Qt::Key_Return);
  }});
  click(d.get(), "Button_plotconfig");
  d->apply();
  EXPECT_EQ(drive.steps_run(), 1);
  EXPECT_EQ(state->config.plot_command_lines[1], "zeichnr zeichnr /CHPL /M*");
  EXPECT_EQ(state->config.plot_command_lines[0], kPlotCommandDefault);
}

TEST_F(ConfigDialog, ScreenshotOfEveryPage) {
  auto d = make();
  auto* tabs = d->findChild<QTabWidget*>("PageControl");
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->count(), 9);
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    screenshot(d.get(), "tconfig_" + std::to_string(i + 1));
  }
}

}  // namespace
}  // namespace vx11
