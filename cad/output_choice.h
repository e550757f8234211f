// Choosing the output of a drawing: the output code, the file of a file output and the command
// line of the plot program.
#pragma once

#include <optional>
#include <string>

#include "cad/cad_context.h"

namespace vx11 {

// Asks for the output code (kOutDxf .. kOutListing); nothing when the user cancels.
std::optional<int> askOutputCode(Interaction& ui);

// The file of a DXF, IGES or listing output: in batch runs beside the project file, otherwise as the
// user chooses (with the output's extension when the name has none); nothing when cancelled.
std::optional<std::string> chooseOutputFile(const CadContext& c, int code, bool batch, const std::string& project_file);

// The command line of the plot program, picked among the configured ones and edited; the settings
// keep the choice. Nothing when cancelled.
std::optional<std::string> choosePlotCommandLine(const CadContext& c, const std::string& plot_folder);

}  // namespace vx11
