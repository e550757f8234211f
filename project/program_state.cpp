#include "project/program_state.h"

#include "base/paths.h"
#include "base/text.h"

namespace vx11 {

ProgramState::ProgramState(Frontend frontend)
    : config(default_configuration(current_folder())),
      ui(frontend.ui),
      outlets(frontend.outlets),
      tables(frontend.browser),
      report(ReportContext{config, format, identity, ui, outlets, help_number, rec.cancelled,
                           [this] { return temp_folder(); }}) {
  set_startup_defaults(rec);
  set_default_materials(rec);
  apply_configuration();
  reset_documentation(doc, dateText(format));
}

void ProgramState::apply_configuration() {
  apply_format_settings(config, format);
  private_temp_.place_in(config.temp_folder);
  tables.set_folders(config.dbf_folder, [this] { return temp_folder(); });
}

}  // namespace vx11
