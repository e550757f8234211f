#include "help/help_file.h"

#include <fstream>

#include "help/help_paths.h"
#include "base/text.h"
#include "base/value_lines.h"

namespace vx11 {

std::string helpFileName(const std::string& lower_name, int n) {
  return n >= kProgramHelpFrom ? lower_name + ".hlp" : std::string(kSharedHelpFile);
}

std::optional<int> helpHeaderNumber(const std::string& line) {
  // Leading blanks are allowed, as a number field read from the first four characters.
  const std::string head = trimBlanks(leftPart(line, 4));
  if (head.empty()) return std::nullopt;
  int n = 0;
  for (char c : head) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

namespace {

std::string pictureName(const std::string& header) {
  const std::size_t colon = header.find(':', 4);
  if (header.size() <= 4 || colon == std::string::npos) return {};
  return trimBlanks(header.substr(colon + 1));
}

}  // namespace

std::optional<HelpEntry> findHelpEntry(std::istream& in, int n) {
  ValueLineReader reader(in);
  std::string line;
  std::string text;
  while (reader.next(line)) {
    const std::optional<int> number = helpHeaderNumber(line);
    if (!number) continue;
    reader.next(text);  // a header is always read together with the line after it
    if (*number != n) continue;

    HelpEntry entry;
    entry.number = n;
    entry.picture = pictureName(line);
    entry.lines[0] = text;
    int next = 1;
    while (next < 5 && reader.next(line)) {
      const std::optional<int> k = helpHeaderNumber(line);
      if (!k) {
        entry.lines[next++] = line;
        continue;
      }
      if (*k % 5 == 0) break;  // the next main entry
      reader.next(text);
      if (*k > n && *k - n < 5) {
        entry.lines[*k - n] = text;
        next = *k - n + 1;
      }
    }
    return entry;
  }
  return std::nullopt;
}

HelpLookup lookupHelp(const std::string& folder, const std::string& lower_name, int n) {
  HelpLookup result;
  result.path = helpFolderFile(folder, helpFileName(lower_name, n));
  std::ifstream in(result.path, std::ios::binary);
  if (!in) {
    result.status = HelpLookup::Status::FileMissing;
    return result;
  }
  if (std::optional<HelpEntry> entry = findHelpEntry(in, n)) {
    result.status = HelpLookup::Status::Found;
    result.entry = std::move(*entry);
  }
  return result;
}

}  // namespace vx11
