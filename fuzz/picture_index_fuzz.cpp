// The help-picture index from any bytes: list entries keep their width, entries without quotation
// marks written again read back unchanged, and replacing a line changes that line only.
#include <sstream>

#include "fuzz/fuzz_check.h"
#include "help/picture_index.h"

using namespace vx11;

namespace {

bool plain(const PictureIndexEntry& e) {
  return e.name.find('"') == std::string::npos && e.info.find('"') == std::string::npos;
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
  std::vector<PictureIndexEntry> plain_entries;
  for (const auto& e : index.entries) {
    if (!plain(e)) continue;
    appendIndexLine(out, e);
    plain_entries.push_back(e);
  }
  const PictureIndex back = read_text(out.str());
  fuzz::require(!back.malformed, "written lines are well formed");
  fuzz::require(back.entries.size() == plain_entries.size(), "every written line reads back");
  for (std::size_t i = 0; i < plain_entries.size(); ++i)
    fuzz::require(back.entries[i].name == plain_entries[i].name && back.entries[i].info == plain_entries[i].info,
                  "an entry reads back unchanged");

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
