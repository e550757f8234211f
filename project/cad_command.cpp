#include "project/cad_command.h"

#include "cad/cad_configuration.h"
#include "cad/drawing_output.h"
#include "draw/connection_drawing.h"
#include "draw/quick_view.h"
#include "project/batch_run.h"
#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {

// The file extension of a format of the switch; empty for a format that writes no file.
std::string_view extension_of(int format) {
  switch (format) {
    case kOutDxf:
      return "dxf";
    case kOutIges:
      return "igs";
    case kOutListing:
      return "txt";
    default:
      return {};
  }
}

}  // namespace

CadSwitch parseCadSwitch(const std::string& s) {
  CadSwitch r;
  if (s.size() >= 5) r.format = static_cast<int>(parseInt(s.substr(4, 1)));
  if (s.size() >= 7) r.view = static_cast<int>(parseInt(s.substr(6)));
  return r;
}

bool valid_cad_switch(const CadSwitch& sw) {
  return !extension_of(sw.format).empty() && sw.view >= 1 && sw.view <= 4;
}

bool write_cad_output(ProgramState& st, const std::string& file, int format, int view) {
  if (view < 1 || view > 4) return false;
  CadSettings cad = cadSettingsFrom(st.config, st.identity, st.temp_folder());
  GraphicsState graphics;
  DisplayList list;
  SurfaceView surface_view;
  GraphicsSurface surface(graphics, list, st.rec.cancelled, surface_view);
  CommandLineStarter starter(st.outlets.starter);
  DrawingOutput out(CadContext{cad, st.format, st.messages, st.ui, st.rec.cancelled, surface, starter, nullptr});
  out.batch = true;
  out.project_file = file;
  st.batch_cad = true;
  DrawingContext c{st.rec, st.messages, st.format, st.ui, st.rec.cancelled, st.help_number, out, {}};
  if (view == 4)
    DrawQuickView(c, format);
  else
    DrawConnection(c, view, format);
  st.batch_cad = false;
  return out.fileWritten() && !st.rec.cancelled;
}

int run_cad_command(ProgramState& st, const std::string& file, const std::string& cad_switch) {
  st.rec.cancelled = false;
  const CadSwitch sw = parseCadSwitch(cad_switch);
  if (!valid_cad_switch(sw)) {
    st.ui.message(kCaptionError, "Unbekannte CAD-Ausgabe " + cad_switch +
                                     " (i: 1=DXF, 2=IGS, 5=TXT; j: 1 Scheibenfeder, 2 Welle, 3 Nabe, 4 Schnellansicht)");
    return kExitFailed;
  }
  const auto files = batch_files(st, file, extension_of(sw.format));
  if (!files) return kExitFailed;
  if (!read_and_rate_for_output(st, *files)) return kExitFailed;
  st.session.current_file = files->input;
  // The writer has said why when the file could not be written; an older file is then unchanged.
  if (!write_cad_output(st, files->input, sw.format, sw.view)) {
    if (!st.rec.cancelled) st.ui.message(kCaptionError, "Keine Ausgabe: " + nameText(files->output) + " nicht geschrieben.");
    return kExitFailed;
  }
  return kExitWritten;
}

}  // namespace vx11
