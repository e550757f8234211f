#include "docu/documentation_edit.h"
#include "draw/connection_drawing.h"
#include "project/program_state.h"
#include "ui/command_groups.h"
#include "ui/docu_dialogs.h"
#include "ui/form_auslegung.h"
#include "ui/file_command_parts.h"
#include "ui/form_vx11pre.h"
#include "ui/form_vx11wst.h"
#include "ui/form_vx3last.h"
#include "ui/form_vxwst.h"
#include "ui/main_window.h"
#include "ui/window_refresh.h"

namespace vx11 {

namespace {

// When the rating follows an input dialog.
enum class RateAfter { Ok, Always };

using InputDialogOpener = bool (*)(ProgramState&, const DialogHelp&, QWidget*);

// An input dialog: OK marks the inputs as changed; the rating and the refresh follow as the dialog asks.
void edit_inputs(Thh& w, ProgramState& st, InputDialogOpener open, RateAfter rate) {
  st.rec.cancelled = false;
  const bool ok = open(st, w.help, &w);
  if (ok) st.session.unsaved_changes = true;
  if (ok || rate == RateAfter::Always) rate_and_refresh(w, st);
  st.rec.cancelled = false;
}

// Dimensions: OK rates and shows the assembly drawing, where the new sizes are seen.
void edit_dimensions_command(Thh& w, ProgramState& st) {
  st.rec.cancelled = false;
  if (edit_dimensions(st, w.help, &w)) {
    st.session.unsaved_changes = true;
    rate(st);
    show_rating_summary(w, st);
    show_view(w, st, kViewAssembly);
  }
  st.rec.cancelled = false;
}

void edit_text(Thh& w, ProgramState& st) {
  st.rec.cancelled = false;
  QtDocumentationDialogs docu(st.format, st.identity.title, st.ui, w.help, st.config.input_window_scale, &w);
  DocuContext ctx{st.rec, st.doc, st.format, docu, st.ui, st.help_number};
  if (edit_drawing_names(ctx)) {
    st.session.unsaved_changes = true;
    redraw_current_view(w, st);  // the names stand in the views' title lines
  }
  st.rec.cancelled = false;
}

}  // namespace

void install_edit_commands(Thh& window, ProgramState& state) {
  Thh& w = window;
  ProgramState& st = state;
  w.set_handler(Command::EditText, [&w, &st] { edit_text(w, st); });
  w.set_handler(Command::EditDimensions, [&w, &st] { edit_dimensions_command(w, st); });
  w.set_handler(Command::EditMaterial, [&w, &st] { edit_inputs(w, st, edit_materials, RateAfter::Always); });
  w.set_handler(Command::EditLoad, [&w, &st] { edit_inputs(w, st, edit_loads, RateAfter::Ok); });
  w.set_handler(Command::EditPredesign, [&w, &st] { edit_inputs(w, st, edit_predesign, RateAfter::Always); });
  w.set_handler(Command::EditDesign, [&w, &st] { edit_inputs(w, st, edit_design, RateAfter::Ok); });
}

}  // namespace vx11
