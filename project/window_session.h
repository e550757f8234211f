// What the window does with the session: the session file beside the configuration, read when the
// window is created and written when it ends, and the recent-file commands.
#pragma once

#include <string>

#include "project/program_state.h"

namespace vx11 {

// The configuration folder + "vx11.cff".
std::string session_file_path(const ProgramState& st);

// Lines 2-5 into the recent-file list; a file that cannot be opened clears the list. Clears the
// abort flag.
void load_session(ProgramState& st);

// Replaces the session file by a complete new one (save_file: the old file stays whole; each failure
// is shown and the person may retry, a few times at most). False when it could not be written.
bool save_session(ProgramState& st);

// The recent-file command of slot 1..4, after the unsaved-changes question: true when the file was
// read (the caller then rates and refreshes the window). A file that has gone is removed from the
// list with "File " + name + " not found !".
bool open_recent_file(ProgramState& st, int slot);

}  // namespace vx11
