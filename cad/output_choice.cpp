#include "cad/output_choice.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "base/output_name.h"
#include "base/text.h"

namespace vx11 {

std::optional<int> askOutputCode(Interaction& ui) {
  auto pick = ui.choose("CAD-Code",
                        {"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                         "Ausgabe auf Laserprinter/Plotter mit ZEICHNR", "TXT"},
                        0);
  if (!pick) return std::nullopt;
  return *pick + 1;
}

std::optional<std::string> chooseOutputFile(const CadContext& c, int code, bool batch, const std::string& project_file) {
  namespace fs = std::filesystem;
  const std::string ext = code == kOutDxf ? "dxf" : code == kOutIges ? "igs" : "txt";
  if (batch) return output_file_name(project_file, ext);
  const std::string filter = "*." + ext + "|*." + ext + "|*.*|*.*";
  auto answer = c.ui.save_file(upper(ext), c.cad.cad_folder, fs::path(project_file).stem().string(), filter);
  if (!answer || trimBlanks(*answer).empty()) return std::nullopt;
  std::string name = trimBlanks(*answer);
  if (fs::path(name).filename().string().find('.') == std::string::npos) name += "." + ext;
  return name;
}

std::optional<std::string> choosePlotCommandLine(const CadContext& c, const std::string& plot_folder) {
  CadSettings& cad = c.cad;
  int chosen = std::clamp(cad.plot_command_chosen, 1, 5);
  const int count = std::clamp(cad.plot_command_count, 1, 5);
  if (count > 1) {
    std::vector<std::string> lines(cad.plot_command_lines.begin(), cad.plot_command_lines.begin() + count);
    auto pick = c.ui.choose("ZEICHNR Command Line", lines, std::min(chosen, count) - 1);
    if (!pick) return std::nullopt;
    chosen = *pick + 1;
  }
  cad.plot_command_chosen = chosen;
  std::string& line = cad.plot_command_lines[static_cast<std::size_t>(chosen - 1)];
  if (c.plot_dialog) {
    auto edited = c.plot_dialog->edit(line);
    if (!edited) return std::nullopt;
    line = *edited;
  }
  auto typed = c.ui.ask_text("ZEICHNR", "ZEICHNR-Kommandozeile (0=Parameter)", line);
  if (!typed) return std::nullopt;
  std::string answer = leftPart(*typed, static_cast<int>(kMaxPassedCommandLine));
  const std::string t = trimBlanks(answer);
  if (t.empty() || t.front() == '0') {
    auto built = promptCommandLine(c.ui, c.format, line, plot_folder);
    if (!built) return std::nullopt;
    answer = *built;
  }
  line = answer;
  return answer;
}

}  // namespace vx11
