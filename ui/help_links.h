// The maker's homepage and mail address, the history text and the about text of the Help menu.
#pragma once

#include <string>
#include <vector>

#include "base/identity.h"

namespace vx11 {

class Interaction;
class ProcessStarter;

inline constexpr const char* kHomepage = "http://www.korvant.de";
inline constexpr const char* kMailAddress = "info@korvant.de";

// The browser command (configuration "HTML browser", blank: xdg-open) followed by the address.
std::vector<std::string> homepage_command(const std::string& browser);
// A new mail to the maker with the short program name in the subject.
std::vector<std::string> mail_command(const ProgramIdentity& id);
// Starts the command without waiting; a program that cannot start gives an error box.
void start_link(ProcessStarter& starter, Interaction& ui, const std::vector<std::string>& argv);

// The about box text (code page 850).
std::string about_text(const ProgramIdentity& id);

}  // namespace vx11
