// Bringing the program up: the command line decides between a batch job (help screen, "/I" report,
// "/CAD" drawing output) that ends the process and the window; the unsaved-changes question.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "project/program_state.h"
#include "base/help_numbers.h"

namespace vx11 {

// The lines of the command-line help screen, each at most 65 characters.
std::vector<std::string> help_screen_lines(const ProgramIdentity& id);

// Whether the command line makes a batch run that never opens a window.
bool is_batch_command_line(const std::vector<std::string>& args);

// Reads the configuration at start-up and completes its folders; the table folder and the
// help-picture folder fall back to the installed data folder.
void load_configuration(ProgramState& st, const ScreenMetrics& screen = {});

// The start-up sequence. Returns the exit code when the program is to end here (batch runs,
// the help screen, refused names), nothing when the window is to go on. `out` receives the help
// screen in batch mode. `args` are the parameters without the program name.
std::optional<int> start_program(ProgramState& st, const std::vector<std::string>& args, int variant,
                                 std::ostream& out);

// The unsaved-changes question; sets `cancelled` when the caller must stop.
void ask_save_changes(ProgramState& st);

// Deletes the drawing layer's temporary block files "$*.dx$" in the temporary folder.
void delete_temporary_block_files(ProgramState& st);

// The base name of a path: no folder, no extension.
std::string base_name(const std::string& path);

}  // namespace vx11
