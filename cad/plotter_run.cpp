#include "cad/plotter_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cad/plotter_drawing.h"
#include "cad/plotter_sheet.h"
#include "cad/plotter_writers.h"
#include "base/paths.h"
#include "base/text.h"

extern char** environ;

namespace vx11 {

namespace fs = std::filesystem;

namespace {

std::string findIn(const fs::path& folder, const std::string& file) {
  std::error_code ec;
  for (const std::string& n : {file, file + ".dxf"}) {
    if (fs::is_regular_file(folder / n, ec)) return (folder / n).string();
  }
  for (const auto& e : fs::directory_iterator(folder.empty() ? fs::path(".") : folder, ec)) {
    const std::string n = lower(e.path().filename().string());
    if ((n == lower(file) || n == lower(file) + ".dxf") && e.is_regular_file(ec)) return (folder / e.path().filename()).string();
  }
  return {};
}

const char* extensionOf(PlotFormat f) {
  switch (f) {
    case PlotFormat::Ps: return ".ps";
    case PlotFormat::Plt: return ".plt";
    case PlotFormat::Pl2: return ".pl2";
    default: return ".hpl";
  }
}

// Hands the plot to the default printer: lp reads it from a pipe; the plot program waits for it.
bool spool(const std::string& data, std::string& error) {
  int fds[2];
  if (pipe(fds) != 0) return error = "no pipe for lp", false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[0], 0);
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  char lp[] = "lp";
  char* argv[] = {lp, nullptr};
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, "lp", &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[0]);
  if (rc != 0) {
    close(fds[1]);
    return error = "lp not found", false;
  }
  bool written = true;
  for (std::size_t done = 0; done < data.size() && written;) {
    const ssize_t n = write(fds[1], data.data() + done, data.size() - done);
    written = n > 0;
    if (written) done += static_cast<std::size_t>(n);
  }
  close(fds[1]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!written || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return error = "lp did not take the plot", false;
  return true;
}

bool writeTo(const std::string& path, const std::string& data, std::string& error) {
  std::ofstream out(path, std::ios::binary);
  out << data;
  out.close();
  if (!out) return error = "cannot write " + path, false;
  return true;
}

}  // namespace

std::string findPlotInput(const std::string& name) {
  const fs::path p(name);
  std::string found = findIn(p.parent_path(), p.filename().string());
  if (found.empty() && !p.has_parent_path()) found = findIn(temporary_folder(), name);
  return found;
}

int runPlot(const std::vector<std::string>& words, std::ostream& err) {
  const PlotArguments args = parsePlotArguments(words);
  if (args.help) {
    err << kPlotUsage;
    return 0;
  }
  if (!args.options) {
    err << "zeichnr: " << args.error << "\n" << kPlotUsage;
    return 2;
  }
  const PlotOptions& o = *args.options;
  if (o.format == PlotFormat::Art) {
    err << "zeichnr: format not supported: ART\n";
    return 2;
  }
  const std::string input = findPlotInput(o.dxf_file);
  if (input.empty()) {
    err << "zeichnr: file not found: " << o.dxf_file << "\n";
    return 2;
  }
  std::ifstream in(input, std::ios::binary);
  std::string error;
  const auto drawing = readPlotDrawing(in, error);
  if (!drawing) {
    err << "zeichnr: " << input << ": " << error << "\n";
    return 1;
  }
  PlotSheet sheet;
  if (!layOutPlot(*drawing, o, sheet, error)) {
    err << "zeichnr: " << input << ": " << error << "\n";
    return 1;
  }
  for (const auto& w : sheet.warnings) err << "zeichnr: " << w << "\n";
  std::ostringstream plot;
  writePlot(plot, sheet, o.format, o.ps_font);
  const std::string data = plot.str();

  bool ok = false;
  if (!o.output_file.empty() || o.interface == PlotInterface::File) {
    const std::string target =
        !o.output_file.empty() ? o.output_file : fs::path(input).replace_extension(extensionOf(o.format)).string();
    ok = writeTo(target, data, error);
  } else {
    const std::string device = (o.interface == PlotInterface::Serial ? "/dev/ttyS" : "/dev/lp") + std::to_string(o.port - 1);
    std::error_code ec;
    ok = fs::exists(device, ec) ? writeTo(device, data, error) : spool(data, error);
  }
  if (!ok) {
    err << "zeichnr: " << error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace vx11
