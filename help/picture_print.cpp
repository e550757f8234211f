#include "help/picture_print.h"

#include <array>
#include <fstream>

#include "help/help_paths.h"
#include "base/file_create.h"

namespace vx11 {

bool copyPlot(std::istream& plot, std::ostream& port, bool control_sequences) {
  if (control_sequences) port << kHpgl2Enter;
  std::array<char, kPlotCopyBlock> block;
  while (plot && port) {
    plot.read(block.data(), block.size());
    port.write(block.data(), plot.gcount());
  }
  const bool read_ok = plot.eof() && !plot.bad();
  if (control_sequences) port << kHpgl2Leave;
  port.flush();
  return read_ok && static_cast<bool>(port);
}

bool printPlotFile(const std::string& plot_path, const std::string& device, bool control_sequences,
                   Interaction& ui) {
  std::ifstream plot(plot_path, std::ios::binary);
  if (!plot) {
    ui.message(kCaptionError, fileNotFoundText(plot_path));
    return false;
  }
  std::ofstream port;
  if (!create_file(port, device, ui)) return false;
  if (!copyPlot(plot, port, control_sequences)) {
    ui.message(kCaptionError, fileNotWrittenText(device));
    return false;
  }
  return true;
}

}  // namespace vx11
