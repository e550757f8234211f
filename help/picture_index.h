// The help-picture index ("vx11.dbh"): one line per picture, "name","information".
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/interaction.h"

namespace vx11 {

inline constexpr int kMaxIndexLines = 130;
inline constexpr int kMaxPictureListText = 65;
inline constexpr const char* kIndexFormatError = "DBH file error";

struct PictureIndexEntry {
  std::string name;  // picture file name without ".plt"
  std::string info;
};

// The action entries that follow the pictures in the list, in this order.
enum class PictureAction { Append = 1, Delete, Change, Insert, Print };
inline constexpr int kPictureActionCount = 5;

// Splits one index line. A field that starts neither with a quotation mark nor at the line end
// takes the rest of the line, and the line counts as malformed (false).
bool parseIndexLine(const std::string& line, PictureIndexEntry& entry);
// "\"name\",\"info\"" without the line end; quotation marks inside become ' and line ends blanks.
std::string indexLine(const PictureIndexEntry& entry);

struct PictureIndex {
  std::vector<PictureIndexEntry> entries;  // at most 130
  bool malformed = false;                  // some line gave "DBH file error"
};
PictureIndex readPictureIndex(std::istream& in);

// The list entries: padRight(name, 8) + ": " + info, cut to 65, then the five action entries.
std::vector<std::string> pictureListEntries(const PictureIndex& index);
// The action of list position `pos` (0-based), or nullopt for a picture.
std::optional<PictureAction> listAction(const PictureIndex& index, int pos);

// Edits of the index as a text: `line` is the 0-based picture line. Lines past those read for the
// list are kept as they are. Each returns false (output untouched) for a line that does not exist.
void appendIndexLine(std::ostream& out, const PictureIndexEntry& entry);
bool rewriteIndex(std::istream& in, std::ostream& out, int line, const PictureIndexEntry* replacement,
                  const PictureIndexEntry* insert_before);

// File operations on "<folder>/<lower name>.dbh". Rewrites go through "$$$.dbh" in the same folder,
// which then replaces the index. A failure shows an error box and returns false.
struct PictureIndexFile {
  std::string folder;
  std::string lower_name = "vx11";
  std::string path() const;

  bool exists() const;
  // Reads the index; a malformed line shows "DBH file error" once. nullopt when there is no index.
  std::optional<PictureIndex> read(Interaction& ui) const;
  bool append(const PictureIndexEntry& entry, Interaction& ui) const;
  bool remove(int line, Interaction& ui) const;
  bool change(int line, const PictureIndexEntry& entry, Interaction& ui) const;
  bool insert(int before, const PictureIndexEntry& entry, Interaction& ui) const;

 private:
  bool rewrite(int line, const PictureIndexEntry* replacement, const PictureIndexEntry* insert_before,
               Interaction& ui) const;
};

}  // namespace vx11
