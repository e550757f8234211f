#include "cad/plotter_options.h"

#include <cctype>

#include "cad/dxf_groups.h"

namespace vx11 {

const char* const kPlotUsage =
    "usage: zeichnr FILE [/Cformat] [/Dinterface] [/Pport] [/Foutput] [/Mscale|/M*] [/Xmm] [/Ymm] [/Bfactor] [/R]"
    " [/Tfont]\n"
    "  FILE  DXF file, \".dxf\" may be left out\n"
    "  /C    HPL (HP-GL Laserjet), PS (PostScript), PLT (HP-GL plotter), PL2 (HP-GL/2), ART\n"
    "  /D    1 serial, 3 file (without /D: parallel)\n"
    "  /P    port number 1..4 (parallel /dev/lp0.., serial /dev/ttyS0..)\n"
    "  /F    output file\n"
    "  /M    scale, /M* fits the drawing onto the sheet\n"
    "  /X /Y origin offset in mm\n"
    "  /B    text width factor\n"
    "  /R    landscape: the drawing turned by 90 degrees\n"
    "  /T    PostScript font of the texts\n"
    "Without a port device the plot goes to the default printer through lp.\n";

namespace {

// Numbers as the system writes them: a point or a comma as decimal sign.
bool number(std::string text, Real& v) {
  for (char& c : text)
    if (c == ',') c = '.';
  return dxfReal(text, v);
}

std::string upperWord(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

PlotArguments parsePlotArguments(const std::vector<std::string>& words) {
  PlotArguments result;
  if (!words.empty() && (words[0] == "/?" || words[0] == "-h" || words[0] == "--help")) {
    result.help = true;
    return result;
  }
  if (words.empty()) {
    result.error = "no DXF file given";
    return result;
  }
  PlotOptions o;
  o.dxf_file = words[0];
  auto fail = [&](const std::string& word, const std::string& why) {
    result.error = why + ": " + word;
    return result;
  };
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.size() < 2 || w[0] != '/') return fail(w, "not a switch");
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(w[1])));
    const std::string value = w.substr(2);
    Real v = 0;
    switch (letter) {
      case 'C': {
        const std::string code = upperWord(value);
        bool known = false;
        for (PlotFormat f : {PlotFormat::Hpl, PlotFormat::Ps, PlotFormat::Plt, PlotFormat::Pl2, PlotFormat::Art}) {
          if (code == plotFormatCode(f)) {
            o.format = f;
            known = true;
          }
        }
        if (!known) return fail(w, "unknown output format");
        break;
      }
      case 'D':
        if (value == "1") o.interface = PlotInterface::Serial;
        else if (value == "2") o.interface = PlotInterface::Parallel;
        else if (value == "3") o.interface = PlotInterface::File;
        else return fail(w, "unknown interface (1 serial, 2 parallel, 3 file)");
        break;
      case 'P':
        if (!number(value, v) || v != static_cast<int>(v) || v < 1 || v > 4) return fail(w, "port must be 1..4");
        o.port = static_cast<int>(v);
        break;
      case 'F':
        if (value.empty()) return fail(w, "output file name missing");
        o.output_file = value;
        break;
      case 'M':
        if (value == "*") {
          o.fit = true;
        } else if (!number(value, v) || v < 0) {
          return fail(w, "scale is no number");
        } else {
          o.fit = v == 0;
          o.scale = v;
        }
        break;
      case 'X':
      case 'Y':
        if (!number(value, v)) return fail(w, "offset is no number");
        (letter == 'X' ? o.x_offset : o.y_offset) = v;
        break;
      case 'B':
        if (!number(value, v) || v <= 0) return fail(w, "text width factor is no positive number");
        o.text_width_factor = v;
        break;
      case 'R':
        if (!value.empty()) return fail(w, "unknown switch");
        o.rotate = true;
        break;
      case 'T':
        if (!value.empty()) o.ps_font = value;
        break;
      default:
        return fail(w, "unknown switch");
    }
  }
  result.options = o;
  return result;
}

}  // namespace vx11
