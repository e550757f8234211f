// The installation's settings as the program holds them (file vx11.cfg): one entry per field, in
// the order of the file; the numbers in comments are file entries. Reading, writing and checking
// them is the project's business; every layer may read them.
#pragma once

#include <array>
#include <string>

#include "base/plot_command_default.h"
#include "base/real.h"

namespace vx11 {

// The text window's position; used only when width and height are above 0.
struct WindowRect {
  int left = 10;
  int top = 40;
  int width = 0;
  int height = 0;
  bool operator==(const WindowRect&) const = default;
};

inline constexpr int kPlotCommandSlots = 5;

struct Configuration {
  // 1: the five named CAD layers (pens 1..5).
  std::array<std::string, 5> layer_name{"1", "2", "3", "4", "5"};
  std::array<int, 5> layer_colour{2, 2, 2, 3, 1};
  std::string cad_text_style = "TXT8";          // 2
  Real cad_text_width_factor = 1;               // 3
  Real cad_text_angle = 0;                      // 4
  std::string cad_folder;                       // 5
  std::string dbf_folder;                       // 6: table files
  int help_level = 1;                           // 7 "Hilfegrad"
  int printer_port = 1;                         // 8: 1..4 = /dev/lp0../dev/lp3
  int printer_type = 3;                         // 9
  int print_density = 1;                        // 10
  char hardcopy_rotated = 'J';                  // 11
  int decimals = 3;                             // 12 "Dezimalstellen"
  int print_thickness_vertical = 1;             // 13
  bool colour_graphics = true;                  // 14
  Real graphics_correction_horizontal = 1;      // 15
  int graphics_mode = 0;                        // 16
  int graphics_driver = 0;                      // 17
  int resolution_horizontal = 0;                // 18: window client width - 1
  int resolution_vertical = 0;                  // 19: window client height - 1
  std::string temp_folder;                      // 20
  int hardcopy_port = 1;                        // 21
  std::string edi_folder;                       // 22: input data files
  std::string plt_folder;                       // 23: help pictures, help texts, vx11.err
  int text_print_mode = 2;                      // 24: 1 "***", 2 "---", 3 blanks, 4 compressed
  int lines_per_page = 66;                      // 25
  Real zoom_factor = 1.02L;                     // 26
  Real pan_factor = 0.02L;                      // 27
  std::string korvant_folder;                   // 28
  // 29 holds line 1, 45 the count and lines 2..n.
  std::array<std::string, kPlotCommandSlots> plot_command_lines{
      kPlotCommandDefault, kPlotCommandDefault, kPlotCommandDefault, kPlotCommandDefault,
      kPlotCommandDefault};
  int plot_command_count = 1;
  int background_colour = 1;                    // 30
  int windows_print_mode = 1;                   // 31: 1 mono, 2 colour
  bool layer_monochrome = false;                // 32
  Real graphics_text_width_factor = 0.8L;       // 33
  std::string graphics_text_style = "Arial";    // 34
  std::array<int, 16> colour_layer{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};  // 35
  std::string text_program = "xdg-open";        // 36
  int database_mode = 1;                        // 37
  std::string external_database = "xdg-open";  // 38
  int screendump_origin_x = 0;                  // 39
  int screendump_origin_y = 0;                  // 40
  Real screendump_scale = 1;                    // 41
  bool screendump_border = false;               // 42
  bool reserved_43 = false;                     // 43
  bool enter_password = false;                  // 44
  bool archive_flag = false;                    // 46
  bool reserved_47 = true;                      // 47: always TRUE after reading
  int date_code = 1;                            // 48
  int header_space_lines = 0;                   // 49
  int text_device = 1;                          // 50: report channel 1..9
  bool text_device_window = false;              // 50: ask for the channel
  bool small_online_window = false;             // 51
  bool enter_diagram_limits = false;            // 52
  int decimal_separator = 1;                    // 53: 1 point, 2 comma
  std::string default_data_directory;           // 54: the start folder when empty
  Real text_height_factor = 1;                  // 55
  int input_window_scale = 102;                 // 56
  std::string html_browser = "xdg-open";        // 57
  Real print_scale_vertical = 1;                // 58
  std::array<int, 6> line_thickness{3, 1, 1, 1, 2, 3};  // 59: layers 0..5
  bool graphic_printout_dialog = true;          // 60
  WindowRect text_window;                       // 61
  int unit_system = 0;                          // 62: 0 metric, 1 inch
  int header_mode = 1;                          // 63: 1 every page, 2 page 1 only
  std::string printout_font = "Courier New";    // 64
  int printout_size = 10;                       // 65
  int printout_style = 0;                       // 66
  int graphics_text_style_flags = 0;            // 67
  int printer_orientation = 2;                  // 68: 1 portrait, otherwise landscape
  bool edit_3d = true;                          // 69
  std::array<Real, 3> default_3d{0, 0, 0};      // 70, radians
  int change_index_style = 0;                   // 70: 0 "a,b,c...", 1 "1,2,3...", 2 "A,B,C...", 3 "......"
  int tab_file_separator = 2;                   // 70: 1 point, 2 comma
  std::string title_row4_label = "Frei";        // 70
  int dxf_decimals = 6;                         // 71
  int cad_text_mode = 1;                        // 72: 1 unchanged, 2 window code page, 3 plain letters
  std::array<int, 16> line_thickness_16{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};  // 73
  int ascii_mode = 0;                           // 73: 1 plain letters
  int dialog_element_scale = 100;               // 73
  int angle_format = 2;                         // 73: 1 decimal degrees, 2 degrees, minutes, seconds
  Real dimension_factor = 1;                    // 73
  int reserved_73 = 0;                          // 73
  int language = 0;                             // 73: 1 German, 2 English, 7 Romanian, 8 Korean
  int result_graphic = 0;                       // 73
  bool hide_maker_title = false;                // 73
  bool hide_file_name = false;
  bool hide_date = false;
  bool hide_logo = false;

  bool operator==(const Configuration&) const = default;
};

}  // namespace vx11
