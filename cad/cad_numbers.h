// Number and text forms shared by the DXF file, the text listing and the IGES file.
#pragma once

#include <string>
#include <string_view>

#include "cad/cad_settings.h"
#include "calc/connection_record.h"
#include "base/format_settings.h"

namespace vx11 {

// Fixed-point with `decimals` decimals and "." whatever the locale, no leading blanks; appends to out.
void appendCadReal(std::string& out, Real x, int decimals);
std::string cadReal(Real x, int decimals);

// An arc that the exchange files write as a full circle: equal angles, or 0 to 360, or 360 to 0.
bool isFullTurn(Real a1, Real a2);

// The CAD text conversion of the configured mode: 1 unchanged, 2 to the window code page, 3 transliterated.
std::string cadText(const CadSettings& cad, const FormatSettings& format, std::string_view text);

// fmtSig with "." as decimal point whatever the display setting.
std::string sigWithPoint(const FormatSettings& format, Real x);

}  // namespace vx11
