// The configuration entries the CAD outputs read: layers and pens, decimals, text conversion,
// folders and the plot command lines. The configuration store fills them; these are its defaults.
#pragma once

#include <array>
#include <string>

#include "base/plot_command_default.h"
#include "calc/connection_record.h"

namespace vx11 {

struct CadSettings {
  // Pens 1..5: "Layer", "Farbe".
  std::array<std::string, 5> layer_name{"1", "2", "3", "4", "5"};
  std::array<int, 5> layer_colour{2, 2, 2, 3, 1};
  std::string text_style = "TXT8";        // "Textstil CAD"
  Real cad_text_width_factor = 1.0L;      // "Textbreitenfaktor CAD"
  std::string cad_folder;                 // "CAD Ordner"
  std::string temp_folder = "/tmp";       // the run's folder for temporary files (block files)
  // Where "zeichnr.dxf" and the plot batch files go, which the stored plot command lines name: the
  // configured "Ordner für temporäre Dateien"; empty: temp_folder.
  std::string plot_folder;
  bool layer_monochrome = false;          // "Layer Monochrom"
  std::array<int, 16> pen_colour = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};  // "Color Layer 16..31"
  std::array<int, 6> line_width_layer = {3, 1, 1, 1, 2, 3};  // "Line thickness Layer 0..5"
  std::array<int, 16> pen_line_width = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};  // "Strichstärke Layer 16..31"
  int decimals = 6;                       // "Decimals DXF,TXT"
  int cad_text_mode = 1;                  // "CAD Text Mode": 1 unchanged, 2 window code page, 3 transliterated
  int decimal_separator = 1;              // "Dot=1 Komma=2": the text listing writes "," with 2
  bool print_frame = false;               // "Umrandung" of the print configuration
  Real drawing_scale = 1.0L;              // global drawing scale of dimension sizes
  // "ZEICHNR-Kommandozeile" and "ZEICHNR Command lines": five slots, the count in use, the chosen slot.
  std::array<std::string, 5> plot_command_lines{kPlotCommandDefault, kPlotCommandDefault,
                                                   kPlotCommandDefault, kPlotCommandDefault,
                                                   kPlotCommandDefault};
  int plot_command_count = 1;
  int plot_command_chosen = 1;
  // Program identity written into drawing footers and exchange files.
  std::string program_name = "VX11";
  std::string program_version = "1.1";

  // Layer name of a pen (0 "0", 1..5 configured, else the number).
  std::string layerOfPen(int pen) const;
  // Drawing-exchange colour of a pen's layer; layer "0" has colour 1.
  int colourOfPen(int pen) const;
};

}  // namespace vx11
