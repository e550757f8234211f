// Showing help: the help box text and caption, the help picture of an entry, tooltip texts.
#pragma once

#include <string>

#include "help/help_file.h"
#include "help/hpgl_sink.h"
#include "base/format_settings.h"
#include "base/interaction.h"

namespace vx11 {

// Where help lives and what the person asked for with the configuration.
struct HelpSettings {
  std::string folder;              // "PLT Ordner": help texts, help pictures and their index
  std::string lower_name = "vx11"; // forms "vx11.hlp" and "vx11.dbh"
  int level = 1;                   // "Hilfegrad" 0, 1 or 2
};

// What showing help touches; the canvas is null where there is no graphics window.
struct HelpServices {
  Interaction& ui;
  HelpCanvas* canvas;
  int& help_number;  // the current help text number
  bool& cancelled;
};

enum class HelpMode { TextAndPicture = 0, TextOnly = 1, PictureOnly = 2 };

inline constexpr long double kHelpWorldWidth = 120;
inline constexpr long double kHelpWorldHeight = 160;

// "HILFETEXT Nr.5120".
std::string helpCaption(int n);
// The help box text in code page 850: the five lines each followed by a blank, or the
// file-not-found or no-help text.
std::string helpBoxText(const HelpLookup& found, int n);
// The picture file of an entry, empty when it has none or names "NULL".
std::string helpPicturePath(const std::string& folder, const HelpEntry& entry);

// Clears the canvas, sets the 120 by 160 help window and draws the plot file, if one is given.
void drawHelpPicture(HelpCanvas& canvas, const std::string& plot_path, const bool& cancelled, Interaction& ui);

// Shows help n (0: the current number) in a help box and/or draws its picture; clears the abort
// flag afterwards in every case.
void showHelp(const HelpServices& services, const HelpSettings& settings, int n, HelpMode mode);

// The five lines of help n (0: current) joined with one blank each, for display (UTF-8).
// Empty when the file or the entry is missing, so no empty tooltip appears.
std::string helpText(const FormatSettings& format, const HelpSettings& settings, int current, int n);

}  // namespace vx11
