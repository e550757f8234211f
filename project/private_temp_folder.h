// The run's own folder for temporary files, inside the configured temporary folder: made with
// owner-only permissions under a fresh name when the run first needs it, and removed with everything
// in it when the run ends. Fixed scratch names ("outwin.txt", "$OUT1.TMP", block files, table
// copies) keep their form inside it, so two runs, two instances or two users never share, overwrite
// or delete each other's files, and nothing follows a link planted in the shared folder.
#pragma once

#include <string>

namespace vx11 {

class PrivateTempFolder {
 public:
  PrivateTempFolder() = default;
  // Places the folder inside `base` (empty: $TEMP, $TMPDIR or /tmp).
  explicit PrivateTempFolder(const std::string& base) { place_in(base); }
  ~PrivateTempFolder() { remove(); }
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

  // Moves to a folder inside `base`; nothing happens when the folder already lies there. A folder
  // made elsewhere is removed; the new one is made when it is first asked for.
  void place_in(const std::string& base);
  // The folder with a trailing "/", made now unless it was before (a run that needs no temporary
  // file makes none). When it cannot be made: the base itself, where the files went before and
  // fail as they would have.
  const std::string& path();
  // The folder it is placed in, with a trailing "/".
  const std::string& base() const { return base_; }
  // Whether the folder exists (was made and not removed).
  bool made() const { return !path_.empty(); }

 private:
  void remove();
  std::string base_;
  std::string path_;
  bool tried_ = false;
};

}  // namespace vx11
