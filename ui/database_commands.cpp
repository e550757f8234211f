#include "calc/key_table.h"
#include "calc/materials.h"
#include "project/program_state.h"
#include "base/format.h"
#include "base/text.h"
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

std::string size_text(const FormatSettings& f, const KeyRow& k) {
  return trimBlanks(fmtSig(f, k.key_width_b)) + " x " + trimBlanks(fmtSig(f, k.key_height_h));
}

// OK in the key table's editor takes the row it stands on as the key only after a question that
// names both sizes; an edited row is read again by the rating, so the results follow either way.
void edit_keys(Thh& w, ProgramState& st) {
  st.rec.cancelled = false;
  auto calc = st.calc();
  const auto ask = [&s = st](const KeyRow& current, const KeyRow& other) {
    const std::string question = "Scheibenfeder DIN 6888 - " + size_text(s.format, current) + " durch " +
                                 size_text(s.format, other) + " ersetzen ?";
    const bool yes = s.ui.ask_yes_no_cancel("", question) == Answer::Yes;
    s.rec.cancelled = false;
    return yes;
  };
  if (edit_key_table(calc, ask)) st.session.unsaved_changes = true;
  rate_and_refresh(w, st);
}

}  // namespace

void install_database_commands(Thh& window, ProgramState& state) {
  Thh& w = window;
  ProgramState& st = state;
  w.set_handler(Command::DbKeyTable, [&w, &st] { edit_keys(w, st); });
  w.set_handler(Command::DbMaterial, [&st] { edit_table(st, show_material_table); });
  w.set_handler(Command::DbMaterialType, [&st] { edit_table(st, show_type_table); });
  w.set_handler(Command::DbShaftSeries, [&st] { edit_table(st, show_shaft_series); });
}

}  // namespace vx11
