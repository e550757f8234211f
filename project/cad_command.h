// The command-line CAD output: one drawing or the quick view of an input file, written beside it.
#pragma once

#include <string>

#include "project/program_state.h"

namespace vx11 {

// The drawing (j 1..3) or quick view (j 4) of switch "/CADi:j" in format i (1 DXF, 2 IGES, 5 text).
struct CadSwitch {
  int format = 0;
  int view = 0;
};
// The switch begins with "/CAD" in any case; i is the fifth character, j the text from the seventh.
CadSwitch parseCadSwitch(const std::string& cad_switch);
// Formats 1, 2 and 5 and views 1 to 4 write a file; any other switch is refused.
bool valid_cad_switch(const CadSwitch& sw);

// Writes the output of an already read and rated program state next to `file` (its extension
// replaced); true when the whole file is in place. Other views write nothing.
bool write_cad_output(ProgramState& st, const std::string& file, int format, int view);

// Reads `file`, rates it and writes the output of the switch. Exit code 0 only when the file was
// written completely from a successful rating; 1 for an unknown switch, an output that would be the
// input, an unreadable input or key table, a fatal rating and a file that could not be written.
int run_cad_command(ProgramState& st, const std::string& file, const std::string& cad_switch);

}  // namespace vx11
