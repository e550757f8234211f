// Number-to-text conversion with the program's own width and decimal rules, unit-aware variants,
// unit labels and number parsing. Never depends on the process locale.
#pragma once

#include <string>
#include <string_view>

#include "base/real.h"
#include "base/format_settings.h"

namespace vx11 {

// Fixed-point text: d decimals (shifted by the decimals setting), integer part padded to w.
std::string fmtFixed(const FormatSettings& s, int w, int d, Real x);
// Shortest text by the significant-digit rule (3 or 4 significant digits, trailing zeros dropped).
std::string fmtSig(const FormatSettings& s, Real x);
// fmtSig's precision right-aligned to n characters.
std::string fmtSigWidth(const FormatSettings& s, int n, Real x);
std::string fmtInt(long long i);
std::string fmtIntZero(long long i, int n);
std::string fmtIntBlank(long long i, int n);

// Unit-aware formats: metric record values, shown in inch units when the unit system is 1.
std::string fmtLength(const FormatSettings& s, Real mm);
std::string fmtLengthFixed(const FormatSettings& s, int w, int d, Real mm);
std::string fmtStress(const FormatSettings& s, int w, int d, Real mpa);
std::string fmtTorqueFixed(const FormatSettings& s, int w, int d, Real nm);
std::string fmtStressSig(const FormatSettings& s, Real mpa);
std::string fmtTorque(const FormatSettings& s, Real nm);
std::string fmtForce(const FormatSettings& s, Real n);
std::string fmtArea(const FormatSettings& s, Real mm2);

// Input in the display unit system back to the metric record.
Real lengthToMetric(const FormatSettings& s, Real shown);
Real stressToMetric(const FormatSettings& s, Real shown);
Real torqueToMetric(const FormatSettings& s, Real shown);

// Unit labels, in code page 850.
std::string unitLength(const FormatSettings& s);
std::string unitStress(const FormatSettings& s);
std::string unitTorque(const FormatSettings& s);
std::string unitForce(const FormatSettings& s);
std::string unitArea(const FormatSettings& s);
std::string unitDegree(const FormatSettings& s);

// The decimal separator of tab-separated files applied to a number text.
std::string toFileDecimal(const FormatSettings& s, std::string_view number);

// The largest magnitude the number parser takes.
inline constexpr Real kMaxParsedMagnitude = 1e12L;

// The first "," counts as a decimal point; text that does not convert gives 0, and so does a
// non-finite value or one of magnitude above kMaxParsedMagnitude.
Real parseReal(std::string_view text);
long long parseInt(std::string_view text);

}  // namespace vx11
