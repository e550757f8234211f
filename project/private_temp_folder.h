// The run's own folder for temporary files, inside the configured temporary folder: made with
// owner-only permissions under a fresh name and removed with everything in it when the run ends.
// Fixed scratch names ("outwin.txt", "$OUT1.TMP", block files, table copies) keep their form inside
// it, so two runs, two instances or two users never share, overwrite or delete each other's files,
// and nothing follows a link planted in the shared folder.
#pragma once

#include <string>

namespace vx11 {

class PrivateTempFolder {
 public:
  PrivateTempFolder() = default;
  // Makes the folder inside `base` (empty: $TEMP, $TMPDIR or /tmp).
  explicit PrivateTempFolder(const std::string& base) { make_in(base); }
  ~PrivateTempFolder() { remove(); }
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

  // Moves to a folder inside `base`; nothing happens when the folder already lies there. The old
  // folder is removed.
  void make_in(const std::string& base);
  // The folder with a trailing "/"; empty when none could be made.
  const std::string& path() const { return path_; }
  // The folder it was made in, with a trailing "/".
  const std::string& base() const { return base_; }
  bool made() const { return !path_.empty(); }

 private:
  void remove();
  std::string base_;
  std::string path_;
};

}  // namespace vx11
