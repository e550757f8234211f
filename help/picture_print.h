// Sending a help picture's HP-GL file unchanged to a printer port (HP-GL/2 printer or plotter).
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "base/interaction.h"

namespace vx11 {

inline constexpr std::size_t kPlotCopyBlock = 2048;
// Switches an HP-GL/2 laser printer into HP-GL/2 mode before the picture and back after it.
inline constexpr const char* kHpgl2Enter = "\x1b" "E" "\x1b" "%0B";
inline constexpr const char* kHpgl2Leave = "\x1b" "%0A" "\x1b" "E";

// Copies the plot in blocks of 2048 bytes, framed by the control sequences when asked.
// False when reading or writing failed.
bool copyPlot(std::istream& plot, std::ostream& port, bool control_sequences);

// Opens both files and copies; a failure shows an error box and returns false.
bool printPlotFile(const std::string& plot_path, const std::string& device, bool control_sequences,
                   Interaction& ui);

}  // namespace vx11
