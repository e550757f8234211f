// The program-wide settings that number and text formatting read at call time.
#pragma once

namespace vx11 {

struct FormatSettings {
  int decimals = 3;             // "Dezimalstellen": fixed formats add (decimals - 3), clamped to 0..10
  int decimal_separator = 1;    // "Dot=1 Komma=2": 2 writes a comma on screen and print
  int tab_file_separator = 2;   // tab-separated files: 1 point, otherwise comma
  int unit_system = 0;          // "Metric Units=0,  English units=1"
  bool ascii_mode = false;      // transliterate umlauts, plain unit labels
  int date_code = 1;            // "Date Code": order of day, month and year

  bool inch() const { return unit_system == 1; }
};

}  // namespace vx11
