// The channel numbers of text printouts, the program state a printout reads and what its page
// headers show about the input.
#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "base/configuration_record.h"
#include "base/format_settings.h"
#include "base/identity.h"
#include "base/interaction.h"
#include "report/report_outlets.h"

namespace vx11 {

// Channel numbers ("Text Device").
inline constexpr int kChannelScreen = 1;
inline constexpr int kChannelTextPrinter = 2;
inline constexpr int kChannelFile = 3;
inline constexpr int kChannelPrinter = 4;
inline constexpr int kChannelTextProgram = 5;
inline constexpr int kChannelTabFile = 6;
inline constexpr int kChannelHtml = 7;
inline constexpr int kChannelDosFile = 8;
inline constexpr int kChannelBatchTabFile = 9;  // command-line mode: converted copy named after the input
inline constexpr int kChannelChoiceOnly = 90;   // open only prepares the choice list

// The program state the stream reads and the places it hands over to.
struct ReportContext {
  const Configuration& config;   // channel, lines per page, separator mode, header mode, folders, programs
  const FormatSettings& format;  // date texts, decimal sign of tab-separated files, code-page conversion
  const ProgramIdentity& identity;
  Interaction& ui;
  ReportOutlets& outlets;
  int& help_number;
  bool& cancelled;  // the program's abort flag
  // The run's private folder for the channels' temporary files, asked for when a file is made;
  // without one, the configured temporary folder.
  std::function<std::string()> private_folder = nullptr;
};

// What the page headers show about the input; set before open.
struct ReportSource {
  std::string owner_line;        // second framed header line
  std::string data_directory;    // folder of the input file
  std::string file_name;         // current input file name (also the default output name)
  std::string data_extension = "vxk";
  std::array<std::string, 3> info_text;  // the input's information lines (tab-separated header)
  std::string working_folder;    // where the printer set-up file "TEXT.KVP" is looked for
  std::string output_folder;     // where an output named after the input goes; "" is the current folder
  std::optional<std::tm> when;   // date and time of the headers; the current time when empty
};

}  // namespace vx11
