#include "project/batch_run.h"

#include <filesystem>
#include <system_error>

#include "calc/rating.h"
#include "base/file_create.h"
#include "project/input_file.h"
#include "base/output_name.h"
#include "project/printouts.h"
#include "project/startup.h"
#include "base/text.h"

namespace vx11 {

namespace fs = std::filesystem;

std::optional<BatchFiles> batch_files(ProgramState& st, const std::string& name, std::string_view extension) {
  BatchFiles files{resolve_input_path(st.session, name), {}};
  files.output = output_file_name(files.input, extension);
  if (same_file(files.input, files.output)) {
    st.ui.message(kCaptionError, "Ausgabe " + nameText(files.output) + " w\x84re die Eingabedatei selbst: nichts geschrieben.");
    return std::nullopt;
  }
  return files;
}

void remove_stale_output(ProgramState& st, const std::string& output) {
  const std::string lost = "Keine Ausgabe: " + nameText(output) + " nicht geschrieben";
  std::error_code ec;
  const auto status = fs::symlink_status(output, ec);
  if (ec || !fs::exists(status) || fs::is_directory(status)) {
    st.ui.message(kCaptionError, lost + ".");
    return;
  }
  if (fs::remove(output, ec) && !ec) {
    st.ui.message(kCaptionError, lost + ", die \x84ltere Datei dieses Namens wurde gel\x94scht.");
    return;
  }
  st.ui.message(kCaptionError, lost + "; die \x84ltere Datei dieses Namens geh\x94rt nicht zu diesen Eingaben und "
                                      "konnte nicht gel\x94scht werden: " + create_error_text(ec.value()));
}

bool read_and_rate_for_output(ProgramState& st, const BatchFiles& files) {
  st.rec.cancelled = false;
  auto input = st.input_file();
  read_input_file(input, files.input);
  if (st.rec.cancelled) {
    remove_stale_output(st, files.output);
    return false;
  }
  auto calc = st.calc();
  run_rating(calc);
  // A failed tolerance lookup sets the flag and the rating goes on; nothing else here needs it.
  st.rec.cancelled = false;
  if (st.rec.fatal_error) {
    for (int i = 1; i <= st.messages.count(); ++i) st.ui.message(kCaptionInfo, st.messages.entry(i));
    remove_stale_output(st, files.output);
    return false;
  }
  return true;
}

int run_report_command(ProgramState& st, const std::string& name) {
  const auto files = batch_files(st, name, "txt");
  if (!files) return kExitFailed;
  if (!read_and_rate_for_output(st, *files)) return kExitFailed;
  st.session.current_file = files->input;
  st.config.text_device_window = false;
  PassiveDescriptionDialog dialog;
  writeResultReport(st, dialog, PrintTarget{kChannelBatchTabFile, nullptr, files->output});
  // The stream has said why when the file could not be written; an older file is then unchanged.
  if (st.rec.cancelled || st.report.converted_path() != files->output) return kExitFailed;
  return kExitWritten;
}

}  // namespace vx11
