// Numbered help texts: the two help text files, their entry format and the lookup by number.
#pragma once

#include <array>
#include <istream>
#include <optional>
#include <string>

namespace vx11 {

// Numbers from this one up live in the program's own file, those below in the shared file.
inline constexpr int kProgramHelpFrom = 4000;
inline constexpr const char* kSharedHelpFile = "korvant.hlp";

struct HelpEntry {
  int number = 0;
  std::string picture;               // help picture name without ".plt"; empty when none
  std::array<std::string, 5> lines;  // code page 850
};

// "vx11.hlp" (the program's lower-case name + ".hlp") for n >= 4000, "korvant.hlp" below.
std::string helpFileName(const std::string& lower_name, int n);

// The number in the first four characters of a line, when they hold one (a header line).
std::optional<int> helpHeaderNumber(const std::string& line);

// Entry n of an open help text file, or nullopt when the file has none.
std::optional<HelpEntry> findHelpEntry(std::istream& in, int n);

struct HelpLookup {
  enum class Status { Found, FileMissing, NotFound };
  Status status = Status::NotFound;
  std::string path;  // the help text file asked
  HelpEntry entry;
};

// Looks n up in its file in the help-picture folder; the only place that opens a help text file.
HelpLookup lookupHelp(const std::string& folder, const std::string& lower_name, int n);

}  // namespace vx11
