// The command line of the external plot program: built from the plot dialog's fields or from a
// sequence of prompts, and moved into a batch file when it is too long to pass.
#pragma once

#include <optional>
#include <string>

#include "calc/connection_record.h"
#include "base/format_settings.h"
#include "base/interaction.h"

namespace vx11 {

enum class PlotFormat { Hpl = 0, Ps, Plt, Pl2, Art };
enum class PlotInterface { Serial = 0, Parallel, File };

// The fields of the plot configuration dialog.
struct PlotDialogFields {
  std::string program_path;
  std::string output_folder;
  PlotFormat format = PlotFormat::Hpl;
  PlotInterface interface = PlotInterface::Parallel;
  int com_port = 1;
  int lpt_port = 1;
  Real scale = 1;
  bool rotate = false;
  Real x_offset = 0, y_offset = 0;
  Real text_width_factor = 1;
  std::string ps_font;
};

const char* plotFormatCode(PlotFormat f);

// The line as the dialog shows it after every change.
std::string dialogCommandLine(const FormatSettings& format, const PlotDialogFields& f);

// The plot configuration dialog: edits a command line; nullopt for Cancel.
class PlotDialog {
 public:
  virtual ~PlotDialog() = default;
  virtual std::optional<std::string> edit(const std::string& line) = 0;
};

inline constexpr std::size_t kMaxPassedCommandLine = 60;

// The prompt sequence. `current` is the slot's line (its program folder is the default),
// `temp_folder` the folder of "zeichnr.dxf". nullopt when a prompt was cancelled. A line longer than
// 60 characters is written into a batch file in the temporary folder; the result then names it.
std::optional<std::string> promptCommandLine(Interaction& ui, const FormatSettings& format,
                                             const std::string& current, const std::string& temp_folder);

// Writes `line` as an executable script "<name>.BAT" in `folder`; returns its path or nullopt.
std::optional<std::string> writeBatchFile(const std::string& folder, const std::string& name, const std::string& line);

// A line whose program is the bare word "zeichnr" starts the zeichnr installed in `program_folder`
// (the running program's folder) when it is there; other lines stay as they are.
std::string resolvePlotProgram(const std::string& line, const std::string& program_folder);

}  // namespace vx11
