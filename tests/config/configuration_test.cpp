// Reading and writing vx11.cfg: round trip, checks, early ends and damaged files.
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "project/configuration.h"
#include "base/paths.h"
#include "base/format_settings.h"

namespace vx11 {
namespace {

const ScreenMetrics kScreen{1280, 1024, 700, 608, 96};
const std::string kStart = "/start";

std::string write_text(const Configuration& c) {
  std::ostringstream out;
  write_configuration(out, c, ProgramIdentity{});
  return out.str();
}

Configuration read_text(const std::string& text, Configuration c = default_configuration(kStart)) {
  std::istringstream in(text);
  read_configuration(in, c, kScreen, kStart);
  return c;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 2;
  }
  return lines;
}

std::string join(const std::vector<std::string>& lines, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && i < lines.size(); ++i) text += lines[i] + "\r\n";
  return text;
}

// The value line after the first line equal to `label`.
std::string& value_after(std::vector<std::string>& lines, const std::string& label) {
  for (std::size_t i = 0; i + 1 < lines.size(); ++i)
    if (lines[i] == label) return lines[i + 1];
  ADD_FAILURE() << "no label " << label;
  return lines.front();
}

// The defaults as a read completes them (window size from the screen).
Configuration completed_defaults() {
  Configuration c = default_configuration(kStart);
  c.resolution_horizontal = kScreen.width - 9;
  c.resolution_vertical = kScreen.height - 91;
  return c;
}

// A configuration that differs from the defaults wherever it can and passes every check.
Configuration changed() {
  Configuration c = default_configuration("/data/");
  c.layer_name = {"Mitte", "Verdeckt", "Masse", "Kontur", "Dick"};
  c.layer_colour = {7, 6, 5, 4, 3};
  c.cad_text_style = "ISO";
  c.cad_text_width_factor = 1.5L;
  c.cad_text_angle = 15;
  c.cad_folder = "/cad/";
  c.dbf_folder = "/dbf/";
  c.help_level = 2;
  c.printer_port = 2;
  c.printer_type = 5;
  c.print_density = 2;
  c.hardcopy_rotated = 'N';
  c.decimals = 5;
  c.print_thickness_vertical = 3;
  c.colour_graphics = false;
  c.graphics_mode = 4;
  c.graphics_driver = 9;
  c.resolution_horizontal = 800;
  c.resolution_vertical = 600;
  c.temp_folder = "/tmp/vx/";
  c.hardcopy_port = 3;
  c.edi_folder = "/edi/";
  c.plt_folder = "/plt/";
  c.text_print_mode = 4;
  c.lines_per_page = 72;
  c.zoom_factor = 1.25L;
  c.pan_factor = 0.125L;
  c.korvant_folder = "/korvant/";
  c.plot_command_lines[0] = "plot a.dxf /M2.0";
  c.background_colour = 15;
  c.windows_print_mode = 2;
  c.layer_monochrome = true;
  c.graphics_text_width_factor = 0.75L;
  c.graphics_text_style = "DejaVu Sans";
  for (int k = 0; k < 16; ++k) c.colour_layer[k] = 20 + k;
  c.text_program = "kate";
  c.database_mode = 2;
  c.external_database = "dbview";
  c.screendump_origin_x = 12;
  c.screendump_origin_y = -4;
  c.screendump_scale = 2.5L;
  c.screendump_border = true;
  c.reserved_43 = true;
  c.enter_password = true;
  c.archive_flag = true;
  c.date_code = 3;
  c.header_space_lines = 2;
  c.text_device = 7;
  c.text_device_window = true;
  c.small_online_window = true;
  c.enter_diagram_limits = true;
  c.decimal_separator = 2;
  c.text_height_factor = 1.75L;
  c.input_window_scale = 120;
  c.html_browser = "firefox";
  c.print_scale_vertical = 3.5L;
  c.line_thickness = {1, 2, 3, 4, 5, 6};
  c.graphic_printout_dialog = false;
  c.text_window = {5, 6, 700, 500};
  c.unit_system = 1;
  c.header_mode = 2;
  c.printout_font = "DejaVu Sans Mono";
  c.printout_size = 12;
  c.printout_style = 1;
  c.graphics_text_style_flags = 2;
  c.printer_orientation = 1;
  c.edit_3d = false;
  c.default_3d = {0.5L, 0.25L, -1.5L};
  c.change_index_style = 3;
  c.tab_file_separator = 1;
  c.title_row4_label = "Freigabe";
  c.dxf_decimals = 8;
  c.cad_text_mode = 3;
  for (int k = 0; k < 16; ++k) c.line_thickness_16[k] = 2 + k % 3;
  c.ascii_mode = 1;
  c.dialog_element_scale = 90;
  c.angle_format = 1;
  c.dimension_factor = 2;
  c.reserved_73 = 4;
  c.language = 8;
  c.result_graphic = 5;
  c.hide_maker_title = true;
  c.hide_file_name = true;
  c.hide_date = true;
  c.hide_logo = true;
  return c;
}

// What every read must leave behind, however damaged the file.
void expect_checked(const Configuration& c) {
  EXPECT_GE(c.decimals, 1);
  EXPECT_LE(c.decimals, 9);
  EXPECT_GE(c.lines_per_page, 5);
  EXPECT_GE(c.text_device, 1);
  EXPECT_LE(c.text_device, 9);
  EXPECT_GE(c.date_code, 1);
  EXPECT_LE(c.date_code, 3);
  EXPECT_GE(c.header_mode, 1);
  EXPECT_LE(c.header_mode, 2);
  EXPECT_GE(c.header_space_lines, 0);
  EXPECT_LE(c.header_space_lines, 30);
  EXPECT_GE(c.plot_command_count, 1);
  EXPECT_LE(c.plot_command_count, kPlotCommandSlots);
  EXPECT_NE(c.zoom_factor, 0);
  EXPECT_TRUE(c.reserved_47);
  EXPECT_LE(c.layer_name[0].size(), 32u);
  EXPECT_LE(c.printout_font.size(), 60u);
  EXPECT_FALSE(c.printout_font.empty());
  EXPECT_FALSE(c.default_data_directory.empty());
}

TEST(ConfigurationFile, RoundTripKeepsEveryEntry) {
  for (const Configuration& c : {completed_defaults(), changed()}) {
    const std::string text = write_text(c);
    const Configuration back = read_text(text);
    EXPECT_EQ(write_text(back), text);
    EXPECT_TRUE(back == c);
  }
}

TEST(ConfigurationFile, PlotCommandLinesBeyondTheFirst) {
  Configuration c = changed();
  c.plot_command_count = 3;
  c.plot_command_lines[1] = "zweite";
  c.plot_command_lines[2] = "dritte";
  const Configuration back = read_text(write_text(c));
  EXPECT_EQ(back.plot_command_count, 3);
  EXPECT_EQ(back.plot_command_lines[2], "dritte");
  EXPECT_TRUE(back == c);
}

TEST(ConfigurationFile, LayoutOfTheFirstLines) {
  const std::string text = write_text(completed_defaults());
  const std::string head =
      "vx11 Konfiguration\r\nVersion 1.1\r\nLayer\r\n1\r\nFarbe\r\n2\r\nLayer\r\n2\r\nFarbe\r\n2\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  auto lines = lines_of(text);
  EXPECT_EQ(value_after(lines, "Textbreitenfaktor CAD"), "1.0000000");
  EXPECT_EQ(value_after(lines, "Zoomfaktor"), "1.0200000");
  EXPECT_EQ(value_after(lines, "Pan-Faktor"), "0.0200000");
  EXPECT_EQ(value_after(lines, "Hardcopy um 90\xF8 gedreht ?"), "J");
  EXPECT_EQ(value_after(lines, "Farbgrafik"), "TRUE");
  EXPECT_EQ(value_after(lines, "Text window left/top/width/height"), "10|40|0|0|");
  EXPECT_EQ(value_after(lines, "Color Layer 31"), "16");
  EXPECT_EQ(lines.back(), "FALSE");
  EXPECT_EQ(lines.size(), 234u);
}

TEST(ConfigurationFile, CommaSettingStillWritesPoints) {
  Configuration c = completed_defaults();
  c.decimal_separator = 2;
  const std::string text = write_text(c);
  auto lines = lines_of(text);
  EXPECT_EQ(value_after(lines, "Dot=1 Komma=2"), "2");
  EXPECT_EQ(value_after(lines, "Zoomfaktor"), "1.0200000");
  const std::set<std::string> labels_with_commas = {
      "ZEICHNR Command lines (n, line 2 .. line n)", "Metric Units=0,  English units=1",
      "printout with header=1, header page 1 only=2",
      "Printer: Portrait=1, Landscape=2", "Edit 3D x,y,z ?", "3D - Default x,y,z", "Decimals DXF,TXT"};
  for (const auto& line : lines) {
    if (line.find(',') == std::string::npos) continue;
    EXPECT_TRUE(labels_with_commas.count(line)) << line;
  }
  EXPECT_EQ(read_text(text).decimal_separator, 2);
}

TEST(ConfigurationFile, DecimalsSettingWidensTheReals) {
  Configuration c = completed_defaults();
  c.decimals = 5;
  auto lines = lines_of(write_text(c));
  EXPECT_EQ(value_after(lines, "Zoomfaktor"), "1.020000000");
}

TEST(ConfigurationFile, CommaLocaleDoesNotChangeTheFile) {
  const std::string before = write_text(changed());
  const std::string old = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::string during = write_text(changed());
  const Configuration back = read_text(before);
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(during, before);
  EXPECT_EQ(back.zoom_factor, 1.25L);
}

struct CheckCase {
  const char* name;
  const char* label;
  const char* value;
  int Configuration::*field;
  int expected;
};

TEST(ConfigurationFile, ChecksOnReading) {
  const CheckCase cases[] = {
      {"decimals 0", "Dezimalstellen", "0", &Configuration::decimals, 3},
      {"decimals 10", "Dezimalstellen", "10", &Configuration::decimals, 3},
      {"decimals 9", "Dezimalstellen", "9", &Configuration::decimals, 9},
      {"lines 4", "Zeilen pro Seite f\x81r Drucker", "4", &Configuration::lines_per_page, 66},
      {"lines 5", "Zeilen pro Seite f\x81r Drucker", "5", &Configuration::lines_per_page, 5},
      {"date code 4", "Date Code", "4", &Configuration::date_code, 1},
      {"date code 0", "Date Code", "0", &Configuration::date_code, 1},
      {"date code 3", "Date Code", "3", &Configuration::date_code, 3},
      {"printer port 0", "Druckerschnittstelle", "0", &Configuration::printer_port, 1},
      {"thickness 5", "Druckdicke vertikal", "5", &Configuration::print_thickness_vertical, 1},
      {"mode 0", "Mode f\x81r Textausdruck 1:* 2:-", "0", &Configuration::text_print_mode, 1},
      {"header lines 31", "Header Space Lines", "31", &Configuration::header_space_lines, 0},
      {"device 10", "Text Device", "10", &Configuration::text_device, 1},
      {"separator 3", "Dot=1 Komma=2", "3", &Configuration::decimal_separator, 1},
      {"window scale 5", "Input Window Scale %", "5", &Configuration::input_window_scale, 100},
      {"header mode 3", "printout with header=1, header page 1 only=2", "3", &Configuration::header_mode, 1},
      {"font size 0", "Text Size Printout", "0", &Configuration::printout_size, 10},
      {"dxf decimals 33", "Decimals DXF,TXT", "33", &Configuration::dxf_decimals, 6},
      {"cad text mode 0", "CAD Text Mode", "0", &Configuration::cad_text_mode, 1},
      {"garbage type", "Druckertyp", "drei", &Configuration::printer_type, 0},
      {"resolution 0", "Aufl\x94sung horizontal", "0", &Configuration::resolution_horizontal, 1271},
      {"resolution -1", "Aufl\x94sung vertikal", "-1", &Configuration::resolution_vertical, 933},
  };
  const std::string text = write_text(changed());
  for (const auto& k : cases) {
    auto lines = lines_of(text);
    value_after(lines, k.label) = k.value;
    EXPECT_EQ(read_text(join(lines, lines.size())).*k.field, k.expected) << k.name;
  }
}

TEST(ConfigurationFile, ChecksOfRealsTextsAndTruths) {
  auto lines = lines_of(write_text(changed()));
  value_after(lines, "Zoomfaktor") = "0";
  value_after(lines, "Pan-Faktor") = "x";
  value_after(lines, "Textbreitenfaktor Grafik") = "0";
  value_after(lines, "Print Scale Vertical") = "0.00001";
  value_after(lines, "Text Font Printout") = "";
  value_after(lines, "Default Data Directory") = "   ";
  value_after(lines, "reserviert") = "FALSE";
  value_after(lines, "ZEICHNR-Kommandozeile") = "";
  value_after(lines, "Hardcopy um 90\xF8 gedreht ?") = "";
  value_after(lines, "Text window left/top/width/height") = "1|2|0|300|";
  value_after(lines, "Edit 3D x,y,z ?") = "yes";
  const Configuration c = read_text(join(lines, lines.size()));
  EXPECT_EQ(c.zoom_factor, 1.02L);
  EXPECT_EQ(c.pan_factor, 0.01L);
  EXPECT_EQ(c.graphics_text_width_factor, 0.8L);
  EXPECT_EQ(c.print_scale_vertical, 2.5L);  // the screendump scale
  EXPECT_EQ(c.printout_font, "Courier New");
  EXPECT_EQ(c.default_data_directory, "/start/");
  EXPECT_TRUE(c.reserved_47);
  EXPECT_EQ(c.plot_command_lines[0], kPlotCommandDefault);
  EXPECT_EQ(c.hardcopy_rotated, 'N');
  EXPECT_EQ(c.text_window, WindowRect{});
  EXPECT_TRUE(c.edit_3d);
}

TEST(ConfigurationFile, EndsAfterEntryEight) {
  const std::string text = write_text(changed());
  const auto lines = lines_of(text);
  const std::size_t after_entry_8 = 2 + 20 + 2 * 7;
  ASSERT_EQ(lines[after_entry_8 - 2], "Druckerschnittstelle");
  Configuration expected = completed_defaults();
  expected.layer_name = changed().layer_name;
  expected.layer_colour = changed().layer_colour;
  expected.cad_text_style = "ISO";
  expected.cad_text_width_factor = 1.5L;
  expected.cad_text_angle = 15;
  expected.cad_folder = "/cad/";
  expected.dbf_folder = "/dbf/";
  expected.help_level = 2;
  expected.printer_port = 2;
  const Configuration c = read_text(join(lines, after_entry_8));
  EXPECT_EQ(c.printer_type, 3);
  EXPECT_TRUE(c == expected);
}

TEST(ConfigurationFile, EndsAfterEntry32TakesTheCadTextWidth) {
  const auto lines = lines_of(write_text(changed()));
  std::size_t n = 0;
  while (lines[n] != "Layer Monochrom") ++n;
  const Configuration c = read_text(join(lines, n + 2));
  EXPECT_TRUE(c.layer_monochrome);
  EXPECT_EQ(c.graphics_text_width_factor, 1.5L);
  EXPECT_EQ(c.graphics_text_style, "Arial");
  EXPECT_EQ(c.text_program, "xdg-open");
}

// Cut at every line: each value is either the one written or the default, and once the file has
// ended every later value is the default (nothing is read out of place).
TEST(ConfigurationFile, EveryTruncationAtALineKeepsDefaultsAfterTheCut) {
  Configuration base = changed();
  base.decimals = 3;  // the reals before the decimals entry are written alike in both files
  const auto full = lines_of(write_text(base));
  const auto defaults = lines_of(write_text(completed_defaults()));
  ASSERT_EQ(full.size(), defaults.size());
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    const Configuration c = read_text(join(full, cut));
    expect_checked(c);
    const auto got = lines_of(write_text(c));
    ASSERT_EQ(got.size(), full.size());
    bool past = false;
    for (std::size_t i = 0; i < got.size(); ++i) {
      if (full[i] == defaults[i]) continue;
      if (!past && got[i] != full[i]) past = true;
      // A file that ends after entry 32 gives the graphic text the CAD text width.
      if (full[i - 1] == "Textbreitenfaktor Grafik" && (cut == i - 1 || cut == i - 2)) continue;
      ASSERT_EQ(got[i], past ? defaults[i] : full[i]) << "cut after line " << cut << ", line " << i;
    }
  }
}

TEST(ConfigurationFile, EveryTruncationAtAByteReadsWithoutHarm) {
  const std::string text = write_text(changed());
  for (std::size_t cut = 0; cut <= text.size(); ++cut) expect_checked(read_text(text.substr(0, cut)));
}

TEST(ConfigurationFile, DamagedFilesReadWithoutHarm) {
  const auto lines = lines_of(write_text(changed()));
  std::vector<std::string> garbage = lines, long_lines = lines, nines = lines;
  for (std::size_t i = 3; i < lines.size(); i += 2) {
    garbage[i] = "#+?x1e99999";
    long_lines[i] = std::string(100000, 'x');
    nines[i] = std::string(100000, '9');
  }
  std::mt19937 random(6);
  std::string binary;
  for (int i = 0; i < 20000; ++i) binary += static_cast<char>(random() & 0xFF);
  const std::string binary_lines = [&] {
    std::string s = binary;
    for (std::size_t i = 0; i < s.size(); i += 13) s[i] = '\n';
    return s;
  }();
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {{"garbage numbers", join(garbage, garbage.size())},
                        {"100 kB lines", join(long_lines, long_lines.size())},
                        {"100 kB of digits", join(nines, nines.size())},
                        {"binary bytes", binary},
                        {"binary lines", binary_lines},
                        {"empty", ""}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    const Configuration c = read_text(k.text);
    expect_checked(c);
  }
  const Configuration g = read_text(join(garbage, garbage.size()));
  EXPECT_EQ(g.printer_type, 0);  // unreadable numbers read as 0
  EXPECT_EQ(g.decimals, 3);
  EXPECT_EQ(g.lines_per_page, 66);
  // A line beyond 64 KiB ends the reading there, as the end of the file would: later entries keep
  // their defaults.
  const Configuration cut = read_text(join(long_lines, long_lines.size()));
  EXPECT_NE(cut.layer_name[0], std::string(32, 'x'));
  EXPECT_EQ(cut.lines_per_page, 66);
  std::vector<std::string> long_but_usable = lines;
  long_but_usable[3] = std::string(60000, 'x');
  EXPECT_EQ(read_text(join(long_but_usable, long_but_usable.size())).layer_name[0], std::string(32, 'x'));
}

class ConfigurationFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("vx11_config_" + std::to_string(::getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "xdg");
    std::filesystem::create_directories(root_ / "here");
    saved_xdg_ = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("XDG_CONFIG_HOME", (root_ / "xdg").c_str(), 1);
  }
  void TearDown() override {
    ::setenv("XDG_CONFIG_HOME", saved_xdg_.c_str(), 1);
    std::filesystem::remove_all(root_);
  }
  std::string dir(const char* name) const { return (root_ / name).string() + "/"; }

  std::filesystem::path root_;
  std::string saved_xdg_;
  BatchInteraction ui_;
};

TEST_F(ConfigurationFolder, MissingFileGivesScreenDefaultsQuietly) {
  Configuration c = default_configuration(kStart);
  std::string folder = dir("here");
  EXPECT_FALSE(read_configuration(c, folder, ProgramIdentity{}, kScreen, kStart));
  EXPECT_EQ(folder, dir("here"));
  EXPECT_EQ(c.resolution_horizontal, 1271);
  EXPECT_EQ(c.resolution_vertical, 933);
  EXPECT_EQ(c.text_window.height, 944);
  EXPECT_EQ(c.input_window_scale, 108);  // (700 / 654 + 0.009) * 100, rounded
  EXPECT_EQ(c.lines_per_page, 66);
}

TEST_F(ConfigurationFolder, WriteThenReadAndFallbackFolder) {
  ui_.echo = false;
  std::filesystem::create_directories(root_ / "xdg" / "korvant");
  ASSERT_TRUE(write_configuration(changed(), fallback_config_folder(), ProgramIdentity{}, ui_));
  Configuration c = default_configuration(kStart);
  std::string folder = dir("here");
  EXPECT_TRUE(read_configuration(c, folder, ProgramIdentity{}, kScreen, kStart));
  EXPECT_EQ(folder, dir("xdg") + "korvant/");
  EXPECT_TRUE(c == changed());
}

TEST_F(ConfigurationFolder, UncreatableFileGivesUpWithAMessage) {
  ui_.echo = false;
  EXPECT_FALSE(write_configuration(changed(), dir("missing"), ProgramIdentity{}, ui_));
  // Three tries (the batch stand-in answers the retry question with yes), then the way out.
  ASSERT_EQ(ui_.shown.size(), 4u);
  EXPECT_EQ(ui_.shown[0], "Fehler : |I/O-Error 2");
  EXPECT_EQ(ui_.shown[3], "Fehler : |Datei " + dir("missing") +
                              "vx11.cfg nicht gespeichert, die bisherige Datei bleibt unver\x84ndert !");
}

TEST_F(ConfigurationFolder, ImportReadsAnotherFile) {
  ui_.echo = false;
  {
    std::ofstream out(dir("here") + "other.cfg", std::ios::binary);
    write_configuration(out, changed(), ProgramIdentity{});
  }
  Configuration c = default_configuration(kStart);
  EXPECT_TRUE(import_configuration(dir("here") + "other.cfg", c, kScreen, kStart, ui_));
  EXPECT_TRUE(c == changed());
  EXPECT_FALSE(import_configuration(dir("here") + "none.cfg", c, kScreen, kStart, ui_));
  EXPECT_EQ(ui_.shown.size(), 1u);
}

TEST_F(ConfigurationFolder, CheckFoldersCompletesAndReports) {
  ui_.echo = false;
  const std::string data = dir("data");
  std::filesystem::create_directories(data);
  std::ofstream(data + "din6888.dbf") << "x";
  ::setenv("TEMP", dir("here").c_str(), 1);
  Configuration c = default_configuration(dir("here"));
  c.default_data_directory = "";
  c.cad_folder = dir("missing");
  check_folders(c, dir("here"), data, ui_, true);
  ::unsetenv("TEMP");
  EXPECT_EQ(c.temp_folder, dir("here"));
  EXPECT_EQ(c.dbf_folder, data);
  EXPECT_EQ(c.plt_folder, data);
  EXPECT_EQ(c.edi_folder, dir("here"));
  EXPECT_EQ(c.default_data_directory, dir("here"));
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0], "Fehler : |ung\x81ltiger CAD Ordner konfiguriert");

  c.temp_folder = dir("missing");
  c.dbf_folder = dir("here");
  check_folders(c, dir("here"), data, ui_, false);
  EXPECT_EQ(ui_.shown.size(), 1u);  // messages off; the question still comes (batch keeps the answer)
}

TEST_F(ConfigurationFolder, ProgramsStartingTogetherDoNotUpsetEachOthersFolderCheck) {
  // Two programs checking one temporary folder at once used to remove each other's probe file.
  const std::string data = dir("data");
  std::filesystem::create_directories(data);
  std::ofstream(data + "din6888.dbf") << "x";
  std::vector<std::thread> starts;
  std::atomic<int> messages = 0;
  for (int t = 0; t < 8; ++t)
    starts.emplace_back([&] {
      for (int i = 0; i < 200; ++i) {
        BatchInteraction ui;
        ui.echo = false;
        Configuration c = default_configuration(dir("here"));
        c.temp_folder = c.cad_folder = c.edi_folder = dir("here");
        check_folders(c, dir("here"), data, ui, true);
        messages += static_cast<int>(ui.shown.size());
      }
    });
  for (auto& s : starts) s.join();
  EXPECT_EQ(messages, 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir("here")));  // no probe left behind
}

TEST(Paths, DataFolderBesideTheExecutableAndFallbacks) {
  EXPECT_EQ(program_data_folder("/opt/vx/bin/wvx11"), "/opt/vx/share/vx11/");
  EXPECT_EQ(with_slash(""), "");
  EXPECT_EQ(with_slash("/a"), "/a/");
  EXPECT_EQ(with_slash("/a/"), "/a/");
  const char* old_temp = std::getenv("TEMP");
  const std::string saved_temp = old_temp ? old_temp : "";
  ::unsetenv("TEMP");
  ::setenv("TMPDIR", "/var/tmp", 1);
  EXPECT_EQ(temporary_folder(), "/var/tmp/");
  ::unsetenv("TMPDIR");
  EXPECT_EQ(temporary_folder(), "/tmp/");
  if (old_temp) ::setenv("TEMP", saved_temp.c_str(), 1);
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const std::string saved_xdg = xdg ? xdg : "";
  const char* home = std::getenv("HOME");
  const std::string saved_home = home ? home : "";
  ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(fallback_config_folder(), "/xdg/korvant/");
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", "/home/u", 1);
  EXPECT_EQ(fallback_config_folder(), "/home/u/.config/korvant/");
  if (xdg) ::setenv("XDG_CONFIG_HOME", saved_xdg.c_str(), 1);
  if (home) ::setenv("HOME", saved_home.c_str(), 1);
}

TEST(ConfigurationFormat, FillsTheFormattingSettings) {
  FormatSettings f;
  apply_format_settings(changed(), f);
  EXPECT_EQ(f.decimals, 5);
  EXPECT_EQ(f.decimal_separator, 2);
  EXPECT_EQ(f.tab_file_separator, 1);
  EXPECT_EQ(f.unit_system, 1);
  EXPECT_TRUE(f.ascii_mode);
  EXPECT_EQ(f.date_code, 3);
}

}  // namespace
}  // namespace vx11
