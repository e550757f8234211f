#include "project/cad_command.h"

#include "cad/cad_configuration.h"
#include "cad/drawing_output.h"
#include "calc/rating.h"
#include "draw/connection_drawing.h"
#include "draw/quick_view.h"
#include "project/input_file.h"
#include "project/private_temp_folder.h"
#include "report/format.h"

namespace vx11 {

CadSwitch parseCadSwitch(const std::string& s) {
  CadSwitch r;
  if (s.size() >= 5) r.format = static_cast<int>(parseInt(s.substr(4, 1)));
  if (s.size() >= 7) r.view = static_cast<int>(parseInt(s.substr(6)));
  return r;
}

void write_cad_output(ProgramState& st, const std::string& file, int format, int view) {
  if (view < 1 || view > 4) return;
  CadSettings cad = cadSettingsFrom(st.config, st.identity);
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
}

int run_cad_command(ProgramState& st, const std::string& file, const std::string& cad_switch) {
  st.rec.cancelled = false;
  auto files = st.input_file();
  read_input_file(files, file);
  if (st.rec.cancelled) return 1;
  auto calc = st.calc();
  run_rating(calc);
  const CadSwitch sw = parseCadSwitch(cad_switch);
  PrivateTempFolder scratch(st.config.temp_folder);
  write_cad_output(st, resolve_input_path(st.session, file), sw.format, sw.view);
  return 0;
}

}  // namespace vx11
