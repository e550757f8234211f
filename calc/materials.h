// Materials of shaft, hub and key from "wst1base", their factors fS and fH from "vx3wstyp".
#pragma once

#include <string>

#include "calc/calc_context.h"
#include "base/help_numbers.h"

namespace vx11 {

// part 1 = shaft, 2 = hub, 3 = key; mode 1 = selection. After a confirmed choice the row goes into
// the part's record and its type's fS and fH are looked up.
void choose_material(CalcContext& ctx, int mode, int part);
// The table menu's "Material"; in mode 1 a confirmed row goes into the shaft record.
void show_material_table(CalcContext& ctx, int mode);
// The table menu's material types; in mode 1 a confirmed row goes into the type-row buffer.
void show_type_table(CalcContext& ctx, int mode);
// "plim = Re * fs * fH = " + Re*fS*fH + " " + the stress unit.
std::string plim_text(const FormatSettings& s, Real re, Real fs, Real fh);

}  // namespace vx11
