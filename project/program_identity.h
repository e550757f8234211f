// The program's identity texts and the extension of its input data files.
#pragma once

namespace vx11 {

inline constexpr const char* kProgramTitle = "VX11  -  Scheibenfederberechnung";
inline constexpr const char* kProgramShortName = "VX11";
inline constexpr const char* kProgramLowerName = "vx11";
inline constexpr const char* kProgramVersion = "1.1";
inline constexpr const char* kDataExtension = "vxk";

}  // namespace vx11
