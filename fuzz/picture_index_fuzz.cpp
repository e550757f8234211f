// The help-picture index from any bytes: list entries keep their width, every entry written again
// reads back unchanged (quotation marks and line ends aside), and a replaced line holds the new entry.
#include <sstream>

#include "fuzz/fuzz_check.h"
#include "help/picture_index.h"

using namespace vx11;

namespace {

// What a field becomes in a written line: quotation marks turn into ', line ends into blanks.
std::string written_field(std::string text) {
  for (char& c : text) {
    if (c == '"') c = '\'';
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

PictureIndex read_text(const std::string& text) {
  std::istringstream in(text);
  return readPictureIndex(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::bytes(data, size);
  const PictureIndex index = read_text(text);
  fuzz::require(index.entries.size() <= static_cast<std::size_t>(kMaxIndexLines), "at most 130 pictures");
  const auto list = pictureListEntries(index);
  fuzz::require(list.size() == index.entries.size() + kPictureActionCount, "pictures, then the actions");
  for (const auto& entry : list)
    fuzz::require(entry.size() <= static_cast<std::size_t>(kMaxPictureListText) || entry.rfind("-----", 0) == 0,
                  "a list entry is cut to its width");
  for (int pos = 0; pos < static_cast<int>(list.size()); ++pos)
    fuzz::require(listAction(index, pos).has_value() == (pos >= static_cast<int>(index.entries.size())),
                  "actions follow the pictures");

  std::ostringstream out;
  for (const auto& e : index.entries) appendIndexLine(out, e);
  const PictureIndex back = read_text(out.str());
  fuzz::require(!back.malformed, "written lines are well formed");
  fuzz::require(back.entries.size() == index.entries.size(), "every written line reads back");
  for (std::size_t i = 0; i < index.entries.size(); ++i)
    fuzz::require(back.entries[i].name == written_field(index.entries[i].name) &&
                      back.entries[i].info == written_field(index.entries[i].info),
                  "an entry reads back unchanged but for quotation marks and line ends");

  if (!index.entries.empty()) {
    const int line = static_cast<int>(size % index.entries.size());
    const PictureIndexEntry replacement{"neu", "ersetzt"};
    std::istringstream in(text);
    std::ostringstream changed;
    if (rewriteIndex(in, changed, line, &replacement, nullptr)) {
      const PictureIndex after = read_text(changed.str());
      fuzz::require(after.entries.size() >= static_cast<std::size_t>(line) + 1, "the changed line is there");
      fuzz::require(after.entries[line].name == "neu" && after.entries[line].info == "ersetzt",
                    "the changed line holds the replacement");
    }
  }
  return 0;
}
