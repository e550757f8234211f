// Help text files from any bytes: an entry found carries the number asked for, its texts are single
// lines, and an entry written out as a help text file of its own is found there unchanged.
#include <sstream>

#include "fuzz/fuzz_check.h"
#include "help/help_file.h"
#include "base/format.h"
#include "base/text.h"

using namespace vx11;

namespace {

bool plain_line(const std::string& line) {
  // A text line that reads as a header of its own would end the entry early.
  return line.find('\n') == std::string::npos && !helpHeaderNumber(line) &&
         (line.empty() || line.back() != '\r');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int n = (data[0] | (data[1] << 8)) % 10000;
  std::istringstream in(fuzz::bytes(data + 2, size - 2));
  const auto entry = findHelpEntry(in, n);
  if (!entry) return 0;
  fuzz::require(entry->number == n, "the entry found is the one asked for");
  for (const auto& line : entry->lines) fuzz::require(line.find('\n') == std::string::npos, "texts are single lines");
  fuzz::require(entry->picture == trimBlanks(entry->picture), "a picture name has no surrounding blanks");

  bool all_plain = true;
  for (int i = 1; i < 5; ++i) all_plain = all_plain && plain_line(entry->lines[i]);
  if (!all_plain || entry->lines[0].find('\n') != std::string::npos ||
      entry->picture.find('\r') != std::string::npos)
    return 0;
  std::ostringstream file;
  file << fmtIntBlank(n, 4) << (entry->picture.empty() ? "" : ":" + entry->picture) << "\r\n";
  for (const auto& line : entry->lines) file << line << "\r\n";
  std::istringstream back(file.str());
  const auto again = findHelpEntry(back, n);
  fuzz::require(again.has_value(), "a written entry is found");
  fuzz::require(again->lines == entry->lines && again->picture == entry->picture,
                "a written entry reads back unchanged");
  return 0;
}
