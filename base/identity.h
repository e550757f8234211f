// The program's identity: title, names and version, and the file names formed from them.
#pragma once

#include <string>

namespace vx11 {

struct ProgramIdentity {
  std::string title = "VX11  -  Scheibenfederberechnung";
  std::string short_name = "VX11";
  std::string lower_name = "vx11";
  std::string version = "1.1";

  std::string configuration_file() const { return lower_name + ".cfg"; }
  std::string session_file() const { return lower_name + ".cff"; }
  std::string description_file() const { return lower_name + ".err"; }
};

}  // namespace vx11
