// The page headers' view of the open input: file, folder and information lines, set from the
// program state before every printout.
#pragma once

#include "project/program_state.h"

namespace vx11 {

// The report stream's source from the session and the documentation; an output named after the
// input goes beside it.
void update_report_source(ProgramState& st);

}  // namespace vx11
