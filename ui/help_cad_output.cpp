#include "ui/help_cad_output.h"

#include "cad/cad_configuration.h"
#include "cad/drawing_output.h"
#include "draw/connection_drawing.h"
#include "draw/quick_view.h"
#include "project/printouts.h"
#include "project/program_state.h"
#include "ui/form_confzeichnr.h"
#include "ui/message_description_dialog.h"

namespace vx11 {

void write_cad_drawing(ProgramState& state, const CadOutputPlace& place, int view, int output_code) {
  state.rec.cancelled = false;
  CadSettings cad = cadSettingsFrom(state.config, state.identity, state.temp_folder());
  QtPlotDialog plot(state.format, state.config.temp_folder, state.ui, place.parent);
  DrawingOutput out(CadContext{cad, state.format, state.messages, state.ui, state.rec.cancelled, *place.surface,
                               *place.starter, &plot});
  out.project_file = state.session.current_file;
  QtDescriptionDialog descriptions(state.format, place.help, state.help_number, place.parent);
  DrawingContext c{state.rec, state.messages, state.format, state.ui, state.rec.cancelled, state.help_number, out,
                   [&state, &descriptions] { showMessages(state, descriptions); }};
  if (view == 0)
    DrawQuickView(c, output_code);
  else
    DrawConnection(c, view, output_code);
  storePlotCommandLines(cad, state.config);
  state.rec.cancelled = false;
}

}  // namespace vx11
