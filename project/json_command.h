// The command-line JSON output: "FILE.vxk /JSON" rates the file like "/I" and writes FILE.json beside
// it; "FOLDER /JSON" does so for every input data file of the folder, one line per file.
#pragma once

#include <ostream>
#include <string>

#include "project/program_state.h"

namespace vx11 {

inline constexpr const char* kJsonSwitch = "/JSON";

// The output beside the input: its last extension replaced by ".json" (added when it has none).
std::string json_output_name(const std::string& input);

// Writes the JSON of one file or of every input data file of a folder. Exit code 0 only when every
// promised file was written from a rating that ran through; otherwise 1 with the reasons in UTF-8
// (on `err` for one file; on `out`, one line per file, and a count on `err` for a folder).
int run_json_command(ProgramState& st, const std::string& target, std::ostream& out, std::ostream& err);

}  // namespace vx11
