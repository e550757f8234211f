#include "project/startup.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cad/block_files.h"
#include "calc/rating.h"
#include "project/batch_run.h"
#include "project/input_file.h"
#include "project/json_command.h"
#include "base/paths.h"
#include "base/text.h"

namespace vx11 {

namespace {

namespace fs = std::filesystem;

bool equals_ignoring_case(const std::string& a, const std::string& b) { return upper(a) == upper(b); }

bool is_cad_switch(const std::string& s) { return s.size() >= 4 && upper(s.substr(0, 4)) == "/CAD"; }

bool is_help_request(const std::vector<std::string>& args) {
  return args.empty() || args[0] == "?" || args[0] == "/?";
}

InputFileContext file_context(ProgramState& st) { return st.input_file(); }

// The user-folder question of the password mode; false ends the program.
bool ask_user_folder(ProgramState& st, std::string& folder) {
  st.help_number = kHelpUserFolder;
  const auto answer = st.ui.ask_text(st.identity.title, "Passwort (User) eingeben ...", "");
  if (!answer) return false;
  const std::string user = leftPart(*answer, 8);
  const fs::path base = st.config.default_data_directory.empty() ? fs::current_path()
                                                                   : fs::path(st.config.default_data_directory);
  std::error_code ec;
  if (!fs::is_directory(base, ec)) {
    st.ui.message(kCaptionError, "Invalid Directory " + nameText(base.string()));
    return false;
  }
  const bool unusable = user.empty() || user == ".." || user == "/" || user.find('/') != std::string::npos ||
                        (user.size() > 1 && user[1] == ':');
  if (unusable || !fs::is_directory(base / user, ec)) {
    st.ui.message(kCaptionError, "Ung\x81ltiges Passwort " + user + " !");
    return false;
  }
  folder = user;
  return true;
}

}  // namespace

std::vector<std::string> help_screen_lines(const ProgramIdentity& id) {
  const std::string w = "w" + id.lower_name;
  const std::string ext = "vxk";
  std::vector<std::string> lines = {
      id.short_name + " Command Line Mode",
      "",
      w + " Filename [/I] [/CADi:j] [/NOGUI]",
      "",
      "/I       -> TXT file",
      "/CADi:j  -> CAD File",
      "            i: 1=DXF, 2=IGS, 5=TXT",
      "            j: index (1,2,3, ..)",
      "/NOGUI   -> no window, end on a fatal error",
      "/?       -> Help",
      "",
      "Example: " + w + " test." + ext + "             ->  GUI",
      "Example: " + w + " test." + ext + " /I /NOGUI   ->  test.txt",
      "Example: " + w + " test." + ext + " /CAD1:1     ->  test.dxf",
      "Example: " + w + " test.edi /E /NOGUI   ->  test.edi",
  };
  for (auto& l : lines) l = leftPart(l, 65);
  return lines;
}

bool is_batch_command_line(const std::vector<std::string>& args) {
  if (is_help_request(args)) return true;
  for (const auto& a : args)
    if (equals_ignoring_case(a, "/NOGUI")) return true;
  if (args.size() < 2) return args[0].find('.') == std::string::npos;
  return equals_ignoring_case(args[1], "/I") || is_cad_switch(args[1]) || equals_ignoring_case(args[1], kJsonSwitch);
}

void load_configuration(ProgramState& st, const ScreenMetrics& screen) {
  const std::string start = current_folder();
  // A missing file leaves the screen defaults; start-up goes on either way.
  read_configuration(st.config, st.config_folder, st.identity, screen, start);
  st.rec.cancelled = false;
  check_folders(st.config, start, program_data_folder(), st.ui, st.session.error_display);
  st.apply_configuration();
}

std::optional<int> start_program(ProgramState& st, const std::vector<std::string>& args, int variant,
                                 std::ostream& out) {
  st.rec.cancelled = false;
  st.session.error_display = true;
  if (!st.config.enter_password) st.session.data_directory.clear();
  for (const auto& a : args)
    if (equals_ignoring_case(a, "/NOGUI")) st.no_gui = true;

  if (is_help_request(args)) {
    for (const auto& line : help_screen_lines(st.identity)) out << toWindows(st.format, line) << '\n';
    return 0;
  }

  const std::string name = args[0];
  st.session.current_file = name;
  st.session.data_directory.clear();
  const std::string second = args.size() > 1 ? args[1] : "";
  if (equals_ignoring_case(second, "/I")) return run_report_command(st, name);
  if (equals_ignoring_case(second, kJsonSwitch)) return run_json_command(st, name, out, std::cerr);
  if (is_cad_switch(second)) {
    if (!st.cad_command) {
      st.ui.message(kCaptionError, "CAD-Ausgabe nicht verf\x81gbar");
      return kExitFailed;
    }
    return st.cad_command(st, name, second);
  }
  if (!equals_ignoring_case(second, "/E") && second != "/G") {
    if (name.find('.') == std::string::npos) {
      st.ui.message(kCaptionInfo, "Erweiterung ." + st.session.data_extension + " mu\xE1 mit angegeben werden");
      return kExitFailed;
    }
    st.session.error_display = false;
    auto ctx = file_context(st);
    read_input_file(ctx, name);
    const bool failed = st.rec.cancelled;
    st.session.started_with_file = true;
    st.session.error_display = true;
    if (failed) {
      st.rec.cancelled = false;
      if (!check_overwrite(ctx, name, true)) return kExitFailed;
    }
  }

  if (st.session.started_with_file) {
    st.session.data_directory.clear();
  } else {
    std::string user;
    if (st.config.enter_password && (variant == 0 || variant == 1 || variant == 8 || variant == 9))
      if (!ask_user_folder(st, user)) return 0;
    st.session.data_directory = with_slash(st.config.default_data_directory) + user;
    auto ctx = file_context(st);
    read_template_file(ctx);
  }
  st.rec.cancelled = false;
  if (variant == 1 || variant == 4 || variant == 8) {
    auto calc = st.calc();
    run_rating(calc);
  }
  st.rec.cancelled = false;
  st.session.unsaved_changes = false;
  if (st.no_gui) return st.rec.fatal_error ? 1 : 0;
  return std::nullopt;
}

void ask_save_changes(ProgramState& st) {
  Session& s = st.session;
  if (s.started_with_file && st.config.archive_flag) {
    s.unsaved_changes = false;
    return;
  }
  if (!s.unsaved_changes) return;
  if (!s.current_file.empty()) {
    // The file the answer Yes writes: a name typed with its extension stands as it is written, one
    // chosen in a dialog (also after a start with a file) lies in the data directory.
    const std::string full = resolve_input_path(s, s.current_file);
    switch (st.ui.ask_yes_no_cancel(st.identity.title, "Datei speichern (" + nameText(full) + ") ?")) {
      case Answer::Yes: {
        auto ctx = file_context(st);
        write_input_file(ctx, s.current_file, st.input_file_options(), false);
        if (!st.rec.cancelled) s.unsaved_changes = false;
        break;
      }
      case Answer::No:
        s.unsaved_changes = false;
        break;
      case Answer::Cancel:
        st.rec.cancelled = true;
        break;
    }
    return;
  }
  if (st.ui.ask_yes_no_cancel(st.identity.title, "Bisherige Eingaben verwerfen ?") == Answer::Yes)
    s.unsaved_changes = false;
  else
    st.rec.cancelled = true;
}

void delete_temporary_block_files(ProgramState& st) {
  if (!st.temp_folder_made()) return;  // nothing was written to a temporary folder
  remove_temporary_block_files(st.temp_folder().empty() ? std::string(".") : st.temp_folder());
}

std::string base_name(const std::string& path) { return fs::path(path).stem().string(); }

}  // namespace vx11
