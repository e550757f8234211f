#include "ui/quick_input.h"

#include "docu/documentation_edit.h"
#include "project/program_state.h"
#include "ui/form_vx11pre.h"
#include "ui/form_vx11wst.h"
#include "ui/form_vx3last.h"

namespace vx11 {

bool run_quick_input(ProgramState& state, DocumentationDialogs& docu, const DialogHelp& help, QWidget* parent) {
  DocuContext ctx{state.rec, state.doc, state.format, docu, state.ui, state.help_number};
  const bool all = edit_drawing_names(ctx) && edit_predesign(state, help, parent) &&
                   edit_dimensions(state, help, parent) && edit_loads(state, help, parent);
  if (!all) state.rec.cancelled = false;
  return all;
}

}  // namespace vx11
