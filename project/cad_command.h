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

// Writes the output of an already read and rated program state next to `file`; other views write nothing.
void write_cad_output(ProgramState& st, const std::string& file, int format, int view);

// Reads `file`, rates it and writes the output of the switch. Exit code 1 when the file cannot be read.
int run_cad_command(ProgramState& st, const std::string& file, const std::string& cad_switch);

}  // namespace vx11
