#include "project/program_state.h"

#include "project/paths.h"
#include "report/text.h"

namespace vx11 {

ProgramState::ProgramState(Frontend frontend)
    : config(default_configuration(current_folder())),
      ui(frontend.ui),
      outlets(frontend.outlets),
      tables(frontend.browser),
      report(ReportContext{config, format, identity, ui, outlets, help_number, rec.cancelled, &temp_path_}) {
  set_startup_defaults(rec);
  set_default_materials(rec);
  apply_configuration();
  reset_documentation(doc, dateText(format));
}

void ProgramState::apply_configuration() {
  apply_format_settings(config, format);
  private_temp_.make_in(config.temp_folder);
  // Without a private folder the files go where they went before, and fail there as they would.
  temp_path_ = private_temp_.made() ? private_temp_.path() : private_temp_.base();
  tables.set_folders(config.dbf_folder, temp_path_);
}

}  // namespace vx11
