#include "cad/plot_command.h"

#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/safe_file.h"
#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr std::array<const char*, 5> kFormatCodes = {"HPL", "PS", "PLT", "PL2", "ART"};
constexpr std::array<const char*, 5> kFormatNames = {"HP-GL Laserjet (HPL)", "Postscript  (PS)",
                                                     "HP-GL Plotter (PLT)", "HP-GL/2 (PL2)", "Aristo  (ART)"};
constexpr std::array<const char*, 3> kInterfaceNames = {"seriell", "parallel", "Datei"};
constexpr int kMaxPromptTries = 20;

int interfaceNumber(PlotInterface i) { return i == PlotInterface::Serial ? 1 : 3; }

// The switches after the format code that both ways of building share.
void appendScaleSwitches(std::string& line, const FormatSettings& format, Real scale, Real x, Real y, Real tw,
                         bool rotate, bool ps, const std::string& font) {
  if (scale != 1) line += scale != 0 ? " /M" + fmtSig(format, scale) : std::string(" /M*");
  if (x != 0) line += " /X" + fmtSig(format, x);
  if (y != 0) line += " /Y" + fmtSig(format, y);
  if (tw != 1) line += " /B" + fmtSig(format, tw);
  if (rotate) line += " /R";
  if (ps) line += " /T" + font;
}

std::string folderOf(const std::string& program) {
  const auto slash = program.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

const char* plotFormatCode(PlotFormat f) { return kFormatCodes[static_cast<std::size_t>(f)]; }

std::string dialogCommandLine(const FormatSettings& format, const PlotDialogFields& f) {
  std::string line = f.program_path + " " + f.output_folder + "zeichnr";
  line += std::string(" /C") + plotFormatCode(f.format);
  if (f.interface != PlotInterface::Parallel) line += " /D" + std::to_string(interfaceNumber(f.interface));
  // The port goes out as entered, as the prompt sequence writes it: the plot program reads /Pn as
  // port n, and port 4 written as 5 would be refused.
  switch (f.interface) {
    case PlotInterface::Serial:
      if (f.com_port != 1) line += " /P" + std::to_string(f.com_port);
      break;
    case PlotInterface::Parallel:
      if (f.lpt_port != 1) line += " /P" + std::to_string(f.lpt_port);
      break;
    case PlotInterface::File:
      if (!f.output_folder.empty()) line += " /F" + f.output_folder + "zeichnr";
      break;
  }
  appendScaleSwitches(line, format, f.scale, f.x_offset, f.y_offset, f.text_width_factor, f.rotate,
                      f.format == PlotFormat::Ps, f.ps_font);
  return line;
}

std::optional<std::string> writeBatchFile(const std::string& folder, const std::string& name, const std::string& line) {
  const std::string path = withSeparator(folder) + name + ".BAT";
  // The batch file lies in the shared temporary folder: a link planted under its name is replaced,
  // never followed, and the script is executable before it appears under its name.
  ReplacementFile file(path, ".tmp", Links::Replace);
  // On this platform the batch file is a shell script: the plot program with its switches.
  if (file.write("#!/bin/sh\n" + line + "\n") != 0) return std::nullopt;
  if (fchmod(file.descriptor(), 0755) != 0) return std::nullopt;
  if (file.commit() != 0) return std::nullopt;
  return path;
}

std::optional<std::string> promptCommandLine(Interaction& ui, const FormatSettings& format,
                                             const std::string& current, const std::string& temp_folder) {
  const std::string title = "ZEICHNR";
  auto realPrompt = [&](const std::string& prompt, Real preset) -> std::optional<Real> {
    auto answer = ui.ask_text(title, prompt, fmtSig(format, preset));
    if (!answer) return std::nullopt;
    return parseReal(*answer);
  };

  const auto program = ui.choose("ZEICHNR/WZEICHNR", {"WZEICHNR.EXE (Windows)", "ZEICHNR.EXE (MS-DOS)"}, 0);
  if (!program) return std::nullopt;
  const bool windows = *program == 0;
  const std::string program_file = windows ? "WZEICHNR.EXE" : "ZEICHNR.EXE";

  std::string folder = folderOf(current.substr(0, current.find(' ')));
  if (folder.empty()) folder = "c:\\zeichnr";
  std::optional<std::string> dir;
  // Asked again until there is an answer; Cancel ends the sequence, and so does a person (or a
  // batch run) that keeps giving the same unusable answer.
  for (int tries = 0;; ++tries) {
    if (tries == kMaxPromptTries) return std::nullopt;
    // A folder is asked for as a name: the answer comes back as the file system's name.
    dir = ui.ask_text(title, "Programmverzeichnis von " + program_file, nameText(folder));
    if (!dir) return std::nullopt;
    if (!trimBlanks(*dir).empty()) break;
  }

  std::vector<std::string> formats(kFormatNames.begin(), kFormatNames.end());
  const auto fmt = ui.choose("Ausgabeformat", formats, 0);
  if (!fmt) return std::nullopt;
  std::vector<std::string> interfaces(kInterfaceNames.begin(), kInterfaceNames.end());
  const auto itf = ui.choose("Ausgabeschnittstelle", interfaces, 1);
  if (!itf) return std::nullopt;
  const auto interface = static_cast<PlotInterface>(*itf);

  int port = 1;
  std::string out_file;
  if (interface == PlotInterface::File) {
    auto name = ui.ask_text(title, "Name der Ausgabedatei", nameText(""));
    if (!name) return std::nullopt;
    out_file = leftPart(trimBlanks(*name), 30);
  } else {
    auto p = ui.ask_text(title, interface == PlotInterface::Serial ? "COM-Port" : "LPT-Port", "1");
    if (!p) return std::nullopt;
    port = static_cast<int>(parseInt(*p));
    if (port < 1 || port > 4) port = 1;
  }

  const auto scale = realPrompt("Ma\xE1stab (0=anpassen)", 1);
  if (!scale) return std::nullopt;
  const Answer rotate = ui.ask_yes_no_cancel(title, "Plot um 90 Grad drehen ?");
  if (rotate == Answer::Cancel) return std::nullopt;
  const auto x = realPrompt("Nullpunktverschiebung in x-Richtung", 0);
  if (!x) return std::nullopt;
  const auto y = realPrompt("Nullpunktverschiebung in y-Richtung", 0);
  if (!y) return std::nullopt;
  const auto tw = realPrompt("Textbreitenfaktor", 1);
  if (!tw) return std::nullopt;
  const bool ps = static_cast<PlotFormat>(*fmt) == PlotFormat::Ps;
  std::string font;
  if (ps) {
    auto f = ui.ask_text(title, "Postscript-Zeichensatz", "");
    if (!f) return std::nullopt;
    font = leftPart(trimBlanks(*f), 28);
  }

  std::string line = withSeparator(trimBlanks(*dir)) + (windows ? "WZEICHNR " : "ZEICHNR ") +
                     withSeparator(temp_folder) + "zeichnr";
  line += std::string(" /C") + kFormatCodes[static_cast<std::size_t>(*fmt)];
  if (interface != PlotInterface::Parallel) line += " /D" + std::to_string(interfaceNumber(interface));
  if (interface == PlotInterface::File) {
    if (!out_file.empty()) line += " /F" + out_file;
  } else if (port != 1) {
    line += " /P" + std::to_string(port);
  }
  appendScaleSwitches(line, format, *scale, *x, *y, *tw, rotate == Answer::Yes, ps, font);

  if (line.size() <= kMaxPassedCommandLine) return line;
  ui.message(kCaptionInfo, "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
  for (int tries = 0; tries < kMaxPromptTries; ++tries) {
    auto name = ui.ask_text(title, "Name der Batch-Datei (ohne .bat)", nameText(""));
    if (!name) return std::nullopt;
    const std::string n = trimBlanks(*name);
    if (n.empty() || n.size() > 20 || n.find('.') != std::string::npos || n.find('/') != std::string::npos) continue;
    if (auto path = writeBatchFile(temp_folder, n, line)) return path;
    ui.message(kCaptionError, "Datei " + nameText(n + ".BAT") + " " + "kann nicht angelegt werden");
  }
  return std::nullopt;
}

std::string resolvePlotProgram(const std::string& line, const std::string& program_folder) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string::npos) return line;
  const std::size_t end = std::min(line.find(' ', start), line.size());
  if (line.compare(start, end - start, "zeichnr") != 0 || program_folder.empty()) return line;
  const std::string program = withSeparator(program_folder) + "zeichnr";
  std::error_code ec;
  if (!std::filesystem::is_regular_file(program, ec) || program.find(' ') != std::string::npos) return line;
  return program + line.substr(end);
}

}  // namespace vx11
