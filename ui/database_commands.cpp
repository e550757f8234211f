#include "calc/key_table.h"
#include "calc/materials.h"
#include "project/program_state.h"
#include "ui/command_groups.h"
#include "ui/file_command_parts.h"
#include "ui/main_window.h"
#include "ui/window_refresh.h"

namespace vx11 {

namespace {

using TableCommand = void (*)(CalcContext&, int);

// The table editor of the Database menu (editing mode).
void edit_table(ProgramState& st, TableCommand show) {
  st.rec.cancelled = false;
  auto calc = st.calc();
  show(calc, 0);
  st.rec.cancelled = false;
}

// OK in the key table's editor also chooses the row it stands on, and an edited row is read again
// by the rating: the results follow either way. Only another key counts as a change of the inputs.
void edit_key_table(Thh& w, ProgramState& st) {
  const int before = st.rec.key_row_number;
  edit_table(st, select_key_size);
  if (st.rec.key_row_number != before) st.session.unsaved_changes = true;
  rate_and_refresh(w, st);
}

}  // namespace

void install_database_commands(Thh& window, ProgramState& state) {
  Thh& w = window;
  ProgramState& st = state;
  w.set_handler(Command::DbKeyTable, [&w, &st] { edit_key_table(w, st); });
  w.set_handler(Command::DbMaterial, [&st] { edit_table(st, show_material_table); });
  w.set_handler(Command::DbMaterialType, [&st] { edit_table(st, show_type_table); });
  w.set_handler(Command::DbShaftSeries, [&st] { edit_table(st, show_shaft_series); });
}

}  // namespace vx11
