// The installation's settings (file vx11.cfg): the defaults of the record, reading, writing and the
// folder check. Entries are kept in the order of the file.
#pragma once

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "base/configuration_record.h"
#include "base/identity.h"
#include "base/format_settings.h"
#include "base/interaction.h"

namespace vx11 {

// Screen facts the reader needs when the file is missing or gives no window size.
struct ScreenMetrics {
  int width = 1024;
  int height = 768;
  int main_window_height = 600;         // outer height of the main window
  int main_window_client_height = 554;  // its client area
  int dpi_y = 96;                       // vertical resolution in dots per inch
};

// The defaults of a fresh start; the default data directory is the start folder.
Configuration default_configuration(const std::string& start_folder);

// "Input Window Scale %" for a screen: the main window's frame share and the screen's resolution.
int proposed_input_window_scale(const ScreenMetrics& screen);

// The formatting settings the configuration controls.
void apply_format_settings(const Configuration& config, FormatSettings& format);

// Reads the entries from a configuration text. A file that ends early keeps the defaults of every
// entry it does not hold; unreadable numbers read as 0 and then fall under the entry's check.
void read_configuration(std::istream& in, Configuration& config, const ScreenMetrics& screen,
                        const std::string& start_folder);

// Start-up: reads folder + "vx11.cfg" (empty folder: the current folder), else the file in the
// fallback folder, which then becomes the configuration folder. Without a file the screen-derived
// defaults are set and the result is false (no error is shown).
bool read_configuration(Configuration& config, std::string& config_folder, const ProgramIdentity& id,
                        const ScreenMetrics& screen, const std::string& start_folder);

// Reads another file as the configuration; the configuration folder stays where it was.
// A file that cannot be opened shows an error and gives false.
bool import_configuration(const std::string& path, Configuration& config, const ScreenMetrics& screen,
                          const std::string& start_folder, Interaction& ui);

// Writes the banner and all entries. Reals always carry a decimal point whatever the separator
// setting is; the setting itself is written as stored.
void write_configuration(std::ostream& out, const Configuration& config, const ProgramIdentity& id);

// Replaces folder + "vx11.cfg" by a complete new file (save_file: the old file stays whole on a
// failure, the person may retry); failures are reported through `ui` and give false.
bool write_configuration(const Configuration& config, const std::string& config_folder,
                         const ProgramIdentity& id, Interaction& ui);

// Completes empty folders and reports unusable ones (messages only when `show_errors` is on).
// `data_folder` is the installed data folder for tables and help pictures.
void check_folders(Configuration& config, const std::string& start_folder, const std::string& data_folder,
                   Interaction& ui, bool show_errors);

}  // namespace vx11
