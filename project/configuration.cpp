#include "project/configuration.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <system_error>

#include <unistd.h>

#include "base/file_create.h"
#include "calc/connection_record.h"
#include "base/paths.h"
#include "report/folder_access.h"
#include "base/format.h"
#include "base/text.h"
#include "base/value_lines.h"

namespace vx11 {

namespace {

constexpr std::size_t kNameLength = 32;   // layer and CAD text style names
constexpr std::size_t kFontLength = 60;   // font names
constexpr std::size_t kTextLength = 255;  // folders, paths, command lines

// Reading side of the entry walk: a value is taken only when its line is there, so a file that
// ends early keeps whatever the record held for every later value.
class EntryReader {
 public:
  explicit EntryReader(std::istream& in) : in_(in), lines_(in) {}

  bool ended() { return !in_.good() || in_.peek() == std::char_traits<char>::eof(); }

  void label(const char*) {
    std::string skipped;
    if (!ended()) lines_.next(skipped);
  }
  void text(std::string& value, std::size_t max_length) {
    if (!ended()) value = cut_text(lines_.text(), max_length);
  }
  void text_if_not_empty(std::string& value, std::size_t max_length) {
    if (ended()) return;
    std::string read = cut_text(lines_.text(), max_length);
    if (!read.empty()) value = std::move(read);
  }
  void integer(int& value) {
    if (ended()) return;
    const long long read = lines_.integer();
    constexpr long long lo = std::numeric_limits<int>::min();
    constexpr long long hi = std::numeric_limits<int>::max();
    value = static_cast<int>(read < lo ? lo : read > hi ? hi : read);
  }
  void real(Real& value) {
    if (ended()) return;
    const Real read = lines_.real();
    value = std::isfinite(read) ? read : 0;
  }
  void truth(bool& value) {
    if (!ended()) value = lines_.truth();
  }
  void truth_unless_false(bool& value) {
    if (!ended()) value = upper(lines_.text()) != "FALSE";
  }
  void character(char& value) {
    if (!ended()) value = lines_.character();
  }
  void window(WindowRect& rect) {
    if (ended()) return;
    const auto f = lines_.fields();
    const long long width = parseInt(f[2]);
    const long long height = parseInt(f[3]);
    if (width == 0 || height == 0) return;
    rect = {static_cast<int>(parseInt(f[0])), static_cast<int>(parseInt(f[1])), static_cast<int>(width),
            static_cast<int>(height)};
  }
  // The count n, then lines 2..n; n is kept to the slots there are.
  void plot_lines(Configuration& c) {
    integer(c.plot_command_count);
    if (c.plot_command_count < 1 || c.plot_command_count > kPlotCommandSlots) c.plot_command_count = 1;
    for (int i = 1; i < c.plot_command_count; ++i) text(c.plot_command_lines[i], kTextLength);
  }

 private:
  std::istream& in_;
  ValueLineReader lines_;
};

// Writing side of the same walk.
class EntryWriter {
 public:
  EntryWriter(std::ostream& out, const FormatSettings& format) : out_(out), format_(format) {}

  static bool ended() { return false; }

  void label(const char* text) { writeTextLine(out_, text); }
  void text(std::string& value, std::size_t max_length) { writeTextLine(out_, cut_text(value, max_length)); }
  void text_if_not_empty(std::string& value, std::size_t max_length) { text(value, max_length); }
  void integer(int& value) { writeIntLine(out_, value); }
  void real(Real& value) { writeRealLine(out_, format_, value); }
  void truth(bool& value) { writeTruthLine(out_, value); }
  void truth_unless_false(bool& value) { writeTruthLine(out_, value); }
  void character(char& value) { writeCharLine(out_, value); }
  void window(WindowRect& r) {
    writeFieldsLine(out_, {fmtInt(r.left), fmtInt(r.top), fmtInt(r.width), fmtInt(r.height)});
  }
  void plot_lines(Configuration& c) {
    int n = c.plot_command_count < 1 || c.plot_command_count > kPlotCommandSlots ? 1 : c.plot_command_count;
    integer(n);
    for (int i = 1; i < n; ++i) text(c.plot_command_lines[i], kTextLength);
  }

 private:
  std::ostream& out_;
  const FormatSettings& format_;
};

// Every entry in file order, each label line followed by its value lines. Returns the number of the
// last entry handled: 73, or an earlier one when the file ended there.
template <class Io>
int walk_entries(Io& io, Configuration& c) {
#define VX11_ENTRY_END(n) \
  if (io.ended()) return n
  for (int i = 0; i < 5; ++i) {
    io.label("Layer");
    io.text(c.layer_name[i], kNameLength);
    io.label("Farbe");
    io.integer(c.layer_colour[i]);
  }
  VX11_ENTRY_END(1);
  io.label("Textstil CAD");
  io.text(c.cad_text_style, kNameLength);
  VX11_ENTRY_END(2);
  io.label("Textbreitenfaktor CAD");
  io.real(c.cad_text_width_factor);
  VX11_ENTRY_END(3);
  io.label("Textwinkel");
  io.real(c.cad_text_angle);
  VX11_ENTRY_END(4);
  io.label("CAD Ordner");
  io.text(c.cad_folder, kTextLength);
  VX11_ENTRY_END(5);
  io.label("DBF Ordner");
  io.text(c.dbf_folder, kTextLength);
  VX11_ENTRY_END(6);
  io.label("Hilfegrad");
  io.integer(c.help_level);
  VX11_ENTRY_END(7);
  io.label("Druckerschnittstelle");
  io.integer(c.printer_port);
  VX11_ENTRY_END(8);
  io.label("Druckertyp");
  io.integer(c.printer_type);
  VX11_ENTRY_END(9);
  io.label("Druckdichte");
  io.integer(c.print_density);
  VX11_ENTRY_END(10);
  io.label("Hardcopy um 90\xF8 gedreht ?");
  io.character(c.hardcopy_rotated);
  VX11_ENTRY_END(11);
  io.label("Dezimalstellen");
  io.integer(c.decimals);
  VX11_ENTRY_END(12);
  io.label("Druckdicke vertikal");
  io.integer(c.print_thickness_vertical);
  VX11_ENTRY_END(13);
  io.label("Farbgrafik");
  io.truth(c.colour_graphics);
  VX11_ENTRY_END(14);
  io.label("GrafikKorrekturFaktor horizontal");
  io.real(c.graphics_correction_horizontal);
  VX11_ENTRY_END(15);
  io.label("Grafik-Mode");
  io.integer(c.graphics_mode);
  VX11_ENTRY_END(16);
  io.label("Grafik-Treiber");
  io.integer(c.graphics_driver);
  VX11_ENTRY_END(17);
  io.label("Aufl\x94" "sung horizontal");
  io.integer(c.resolution_horizontal);
  VX11_ENTRY_END(18);
  io.label("Aufl\x94" "sung vertikal");
  io.integer(c.resolution_vertical);
  VX11_ENTRY_END(19);
  io.label("Ordner f\x81" "r tempor\x84" "re Dateien");
  io.text(c.temp_folder, kTextLength);
  VX11_ENTRY_END(20);
  io.label("Druckerschnittstelle Hardcopy");
  io.integer(c.hardcopy_port);
  VX11_ENTRY_END(21);
  io.label("EDI Ordner");
  io.text(c.edi_folder, kTextLength);
  VX11_ENTRY_END(22);
  io.label("PLT Ordner");
  io.text(c.plt_folder, kTextLength);
  VX11_ENTRY_END(23);
  io.label("Mode f\x81" "r Textausdruck 1:* 2:-");
  io.integer(c.text_print_mode);
  VX11_ENTRY_END(24);
  io.label("Zeilen pro Seite f\x81" "r Drucker");
  io.integer(c.lines_per_page);
  VX11_ENTRY_END(25);
  io.label("Zoomfaktor");
  io.real(c.zoom_factor);
  VX11_ENTRY_END(26);
  io.label("Pan-Faktor");
  io.real(c.pan_factor);
  VX11_ENTRY_END(27);
  io.label("KORVANT-Programmverzeichnis");
  io.text(c.korvant_folder, kTextLength);
  VX11_ENTRY_END(28);
  io.label("ZEICHNR-Kommandozeile");
  io.text_if_not_empty(c.plot_command_lines[0], kTextLength);
  VX11_ENTRY_END(29);
  io.label("Hintergrundfarbe");
  io.integer(c.background_colour);
  VX11_ENTRY_END(30);
  io.label("Windows-Druckmodus (1=mono 2=color)");
  io.integer(c.windows_print_mode);
  VX11_ENTRY_END(31);
  io.label("Layer Monochrom");
  io.truth(c.layer_monochrome);
  VX11_ENTRY_END(32);
  io.label("Textbreitenfaktor Grafik");
  io.real(c.graphics_text_width_factor);
  VX11_ENTRY_END(33);
  io.label("Textstil Grafik");
  io.text(c.graphics_text_style, kFontLength);
  VX11_ENTRY_END(34);
  for (int k = 0; k < 16; ++k) {
    const std::string colour_label = "Color Layer " + std::to_string(16 + k);
    io.label(colour_label.c_str());
    io.integer(c.colour_layer[k]);
  }
  VX11_ENTRY_END(35);
  io.label("Textprogramm");
  io.text(c.text_program, kTextLength);
  VX11_ENTRY_END(36);
  io.label("Datenbank mode");
  io.integer(c.database_mode);
  VX11_ENTRY_END(37);
  io.label("externe Datenbank");
  io.text(c.external_database, kTextLength);
  VX11_ENTRY_END(38);
  io.label("Windows Screendump Origin X");
  io.integer(c.screendump_origin_x);
  VX11_ENTRY_END(39);
  io.label("Windows Screendump Origin Y");
  io.integer(c.screendump_origin_y);
  VX11_ENTRY_END(40);
  io.label("Windows Screendump Scale");
  io.real(c.screendump_scale);
  VX11_ENTRY_END(41);
  io.label("Windows Screendump Border ?");
  io.truth(c.screendump_border);
  VX11_ENTRY_END(42);
  io.label("reserviert");
  io.truth(c.reserved_43);
  VX11_ENTRY_END(43);
  io.label("Enter Password ?");
  io.truth(c.enter_password);
  VX11_ENTRY_END(44);
  io.label("ZEICHNR Command lines (n, line 2 .. line n)");
  io.plot_lines(c);
  VX11_ENTRY_END(45);
  io.label("Archive Flag ?");
  io.truth(c.archive_flag);
  VX11_ENTRY_END(46);
  io.label("reserviert");
  io.truth(c.reserved_47);
  VX11_ENTRY_END(47);
  io.label("Date Code");
  io.integer(c.date_code);
  VX11_ENTRY_END(48);
  io.label("Header Space Lines");
  io.integer(c.header_space_lines);
  VX11_ENTRY_END(49);
  io.label("Text Device");
  io.integer(c.text_device);
  io.label("Text Device Window ?");
  io.truth(c.text_device_window);
  VX11_ENTRY_END(50);
  io.label("Small Online Window ?");
  io.truth(c.small_online_window);
  VX11_ENTRY_END(51);
  io.label("Enter Diagram Limits ?");
  io.truth(c.enter_diagram_limits);
  VX11_ENTRY_END(52);
  io.label("Dot=1 Komma=2");
  io.integer(c.decimal_separator);
  VX11_ENTRY_END(53);
  io.label("Default Data Directory");
  io.text(c.default_data_directory, kTextLength);
  VX11_ENTRY_END(54);
  io.label("Text Height Factor");
  io.real(c.text_height_factor);
  VX11_ENTRY_END(55);
  io.label("Input Window Scale %");
  io.integer(c.input_window_scale);
  VX11_ENTRY_END(56);
  io.label("HTML Browser");
  io.text(c.html_browser, kTextLength);
  VX11_ENTRY_END(57);
  io.label("Print Scale Vertical");
  io.real(c.print_scale_vertical);
  VX11_ENTRY_END(58);
  io.label("Line thickness Layer 0..5");
  for (int& t : c.line_thickness) io.integer(t);
  VX11_ENTRY_END(59);
  io.label("Graphic Printout Dialog Box ?");
  io.truth(c.graphic_printout_dialog);
  VX11_ENTRY_END(60);
  io.label("Text window left/top/width/height");
  io.window(c.text_window);
  VX11_ENTRY_END(61);
  io.label("Metric Units=0,  English units=1");
  io.integer(c.unit_system);
  VX11_ENTRY_END(62);
  io.label("printout with header=1, header page 1 only=2");
  io.integer(c.header_mode);
  VX11_ENTRY_END(63);
  io.label("Text Font Printout");
  io.text(c.printout_font, kFontLength);
  VX11_ENTRY_END(64);
  io.label("Text Size Printout");
  io.integer(c.printout_size);
  VX11_ENTRY_END(65);
  io.label("Text Style Printout");
  io.integer(c.printout_style);
  VX11_ENTRY_END(66);
  io.label("Text Style Graphics");
  io.integer(c.graphics_text_style_flags);
  VX11_ENTRY_END(67);
  io.label("Printer: Portrait=1, Landscape=2");
  io.integer(c.printer_orientation);
  VX11_ENTRY_END(68);
  io.label("Edit 3D x,y,z ?");
  io.truth_unless_false(c.edit_3d);
  VX11_ENTRY_END(69);
  io.label("3D - Default x,y,z");
  for (Real& a : c.default_3d) io.real(a);
  io.integer(c.change_index_style);
  io.integer(c.tab_file_separator);
  io.text(c.title_row4_label, kTextLength);
  VX11_ENTRY_END(70);
  io.label("Decimals DXF,TXT");
  io.integer(c.dxf_decimals);
  VX11_ENTRY_END(71);
  io.label("CAD Text Mode");
  io.integer(c.cad_text_mode);
  VX11_ENTRY_END(72);
  io.label("Strichst\x84" "rke Layer 16..31");
  for (int& t : c.line_thickness_16) io.integer(t);
  io.integer(c.ascii_mode);
  io.integer(c.dialog_element_scale);
  io.integer(c.angle_format);
  io.real(c.dimension_factor);
  io.integer(c.reserved_73);
  io.integer(c.language);
  io.integer(c.result_graphic);
  io.truth(c.hide_maker_title);
  io.truth(c.hide_file_name);
  io.truth(c.hide_date);
  io.truth(c.hide_logo);
  return 73;
#undef VX11_ENTRY_END
}

template <class T>
void zero_becomes(T& value, T replacement) {
  if (value == 0) value = replacement;
}

// The settings the file's real lines are written with: the decimals entry, always the point.
FormatSettings file_format(const Configuration& c) {
  FormatSettings format;
  apply_format_settings(c, format);
  format.decimal_separator = 1;
  return format;
}

// A real that the file would write as zero counts as zero: otherwise a tiny value would survive
// this reading but turn into the default after the next save.
void written_zero_becomes(Real& value, Real replacement, const FormatSettings& file) {
  if (value == 0 || parseReal(realValueText(file, value)) == 0) value = replacement;
}

void outside_becomes(int& value, int lo, int hi, int replacement) {
  if (value < lo || value > hi) value = replacement;
}

// The checks on reading. Defaults pass every check, so running them over entries the file did not
// hold changes nothing.
void check_entries(Configuration& c, const std::string& start_folder) {
  zero_becomes(c.printer_port, 1);
  if (c.hardcopy_rotated == '\0' || c.hardcopy_rotated == ' ') c.hardcopy_rotated = 'N';  // empty line
  outside_becomes(c.decimals, 1, 9, 3);
  const FormatSettings file = file_format(c);
  written_zero_becomes(c.cad_text_width_factor, 1, file);
  outside_becomes(c.print_thickness_vertical, 1, 4, 1);
  written_zero_becomes(c.graphics_correction_horizontal, 1, file);
  zero_becomes(c.hardcopy_port, 1);
  zero_becomes(c.text_print_mode, 1);
  if (c.lines_per_page < 5) c.lines_per_page = 66;
  written_zero_becomes(c.zoom_factor, 1.02L, file);
  written_zero_becomes(c.pan_factor, 0.01L, file);
  zero_becomes(c.windows_print_mode, 1);
  written_zero_becomes(c.graphics_text_width_factor, 0.8L, file);
  for (int& colour : c.colour_layer) zero_becomes(colour, 1);
  written_zero_becomes(c.screendump_scale, 1, file);
  c.reserved_47 = true;
  if (c.date_code == 0 || c.date_code > 3) c.date_code = 1;
  outside_becomes(c.header_space_lines, 0, 30, 0);
  outside_becomes(c.text_device, 1, 9, 1);
  outside_becomes(c.decimal_separator, 1, 2, 1);
  if (trimBlanks(c.default_data_directory).empty()) c.default_data_directory = with_slash(start_folder);
  if (c.text_height_factor < 0.1L) c.text_height_factor = 1;
  outside_becomes(c.input_window_scale, 10, 1000, 100);
  if (c.print_scale_vertical < 0.0001L) c.print_scale_vertical = c.screendump_scale;
  for (int& t : c.line_thickness) outside_becomes(t, 1, 255, 1);
  outside_becomes(c.header_mode, 1, 2, 1);
  if (c.printout_font.empty()) c.printout_font = "Courier New";
  zero_becomes(c.printout_size, 10);
  zero_becomes(c.tab_file_separator, 2);
  outside_becomes(c.dxf_decimals, 1, 32, 6);
  zero_becomes(c.cad_text_mode, 1);
  outside_becomes(c.dialog_element_scale, 10, 1000, 100);
  if (c.angle_format == 0 || c.angle_format > 2) c.angle_format = 2;
  written_zero_becomes(c.dimension_factor, 1, file);
}

// A window size of 0 or -1 means "fill the screen".
void complete_window_size(Configuration& c, const ScreenMetrics& screen) {
  if (c.resolution_horizontal == 0 || c.resolution_horizontal == -1) c.resolution_horizontal = screen.width - 9;
  if (c.resolution_vertical == 0 || c.resolution_vertical == -1) c.resolution_vertical = screen.height - 91;
}

void set_screen_defaults(Configuration& c, const ScreenMetrics& screen) {
  complete_window_size(c, screen);
  c.text_window.height = screen.height - 80;
  c.input_window_scale = proposed_input_window_scale(screen);
}

bool holds_a_file(const std::string& folder) {
  std::error_code ec;
  std::filesystem::directory_iterator it(folder.empty() ? std::string(".") : folder, ec);
  return !ec && it != std::filesystem::directory_iterator();
}

}  // namespace

Configuration default_configuration(const std::string& start_folder) {
  Configuration c;
  c.default_data_directory = with_slash(start_folder);
  return c;
}

void apply_format_settings(const Configuration& config, FormatSettings& format) {
  format.decimals = config.decimals;
  format.decimal_separator = config.decimal_separator;
  format.tab_file_separator = config.tab_file_separator;
  format.unit_system = config.unit_system;
  format.ascii_mode = config.ascii_mode == 1;
  format.date_code = config.date_code;
}

void read_configuration(std::istream& in, Configuration& config, const ScreenMetrics& screen,
                        const std::string& start_folder) {
  config.graphics_correction_horizontal = 1;
  EntryReader reader(in);
  reader.label("banner");
  reader.label("version");
  const int last = walk_entries(reader, config);
  if (last == 32) {
    config.graphics_text_width_factor = config.cad_text_width_factor;
    config.graphics_text_style = "Arial";
  }
  check_entries(config, start_folder);
  complete_window_size(config, screen);
}

bool read_configuration(Configuration& config, std::string& config_folder, const ProgramIdentity& id,
                        const ScreenMetrics& screen, const std::string& start_folder) {
  std::ifstream in(with_slash(config_folder) + id.configuration_file(), std::ios::binary);
  if (!in.is_open()) {
    const std::string fallback = fallback_config_folder();
    in.clear();
    in.open(fallback + id.configuration_file(), std::ios::binary);
    if (!in.is_open()) {
      set_screen_defaults(config, screen);
      return false;
    }
    config_folder = fallback;
  }
  read_configuration(in, config, screen, start_folder);
  return true;
}

bool import_configuration(const std::string& path, Configuration& config, const ScreenMetrics& screen,
                          const std::string& start_folder, Interaction& ui) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    ui.message(kCaptionError, "File " + nameText(path) + " not found !");
    return false;
  }
  read_configuration(in, config, screen, start_folder);
  return true;
}

void write_configuration(std::ostream& out, const Configuration& config, const ProgramIdentity& id) {
  // The separator entry itself keeps the stored setting.
  const FormatSettings format = file_format(config);
  Configuration values = config;
  writeTextLine(out, id.lower_name + " Konfiguration");
  writeTextLine(out, "Version " + id.version);
  EntryWriter writer(out, format);
  walk_entries(writer, values);
}

bool write_configuration(const Configuration& config, const std::string& config_folder,
                         const ProgramIdentity& id, Interaction& ui) {
  const std::string path = with_slash(config_folder) + id.configuration_file();
  // Written whole in memory first: the file on disk is replaced only by a complete new one.
  std::ostringstream out;
  write_configuration(out, config, id);
  return save_file(path, out.view(), ui, id.title);
}

void check_folders(Configuration& config, const std::string& start_folder, const std::string& data_folder,
                   Interaction& ui, bool show_errors) {
  auto show = [&](const char* text) {
    if (show_errors) ui.message(kCaptionError, text);
  };
  auto fill = [](std::string& folder, const std::string& fallback) {
    folder = trimBlanks(folder).empty() ? with_slash(fallback) : with_slash(folder);
  };
  fill(config.temp_folder, temporary_folder());
  fill(config.dbf_folder, data_folder);
  fill(config.plt_folder, data_folder);
  fill(config.edi_folder, start_folder);
  fill(config.default_data_directory, start_folder);

  if (!folder_takes_files(config.cad_folder)) show("ung\x81" "ltiger CAD Ordner konfiguriert");
  if (!holds_a_file(config.dbf_folder)) show("ung\x81" "ltiger DBF Ordner konfiguriert");
  if (!holds_a_file(config.plt_folder)) show("ung\x81" "ltiger PLT Ordner konfiguriert");
  if (!folder_takes_files(config.temp_folder)) {
    show("ung\x81" "ltiger Ordner f\x81" "r tempor\x84" "re Dateien konfiguriert");
    const auto answer = ui.ask_text("Ordner f\x81" "r tempor\x84" "re Dateien", "", nameText(config.temp_folder));
    if (answer && !trimBlanks(*answer).empty()) config.temp_folder = with_slash(cut_text(*answer, 60));
  }
  if (!folder_takes_files(config.edi_folder)) show("ung\x81" "ltiger EDI Ordner konfiguriert");
  if (!folder_takes_files(config.default_data_directory)) show("ung\x81" "ltiger Data Ordner konfiguriert");
}

int proposed_input_window_scale(const ScreenMetrics& screen) {
  const long double ratio = static_cast<long double>(screen.main_window_height) /
                            (screen.main_window_client_height + 46);
  return static_cast<int>(std::lround((ratio + 0.009L) * (screen.dpi_y / 96.0L) * 100));
}

}  // namespace vx11
