// What the command-line outputs ("/I", "/CADi:j") share: the output named after the input, the
// refusal of a name that is the input itself, reading and rating with every failure on standard
// error, and no older output left behind that no longer describes the input.
//
// Exit codes: 0 only when the promised file was written completely from a successful rating of the
// inputs just read; 1 for every other end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "project/program_state.h"

namespace vx11 {

inline constexpr int kExitWritten = 0;
inline constexpr int kExitFailed = 1;

struct BatchFiles {
  std::string input;   // the input data file as the run reads it
  std::string output;  // the file the run promises
};

// Resolves the input named on the command line and names its output with `extension`; nothing (and
// a message) when the output would be the input itself.
std::optional<BatchFiles> batch_files(ProgramState& st, const std::string& name, std::string_view extension);

// Reads the input and rates it. False when the file cannot be read or the rating stops (a fatal
// error, or a key table that cannot be read): the reasons are on standard error and an older output
// of that name is removed, since it no longer describes the input.
bool read_and_rate_for_output(ProgramState& st, const BatchFiles& files);

// Ends a run that produced no output: removes an older file of the output's name and says so.
void remove_stale_output(ProgramState& st, const std::string& output);

// "/I": the report of the file through the batch channel, as a text file named after it.
int run_report_command(ProgramState& st, const std::string& name);

}  // namespace vx11
