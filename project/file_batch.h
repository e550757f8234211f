// Many files replaced safely with one flush to disk: each file's bytes go to a temporary beside it,
// and only when all of them are on disk is each renamed over its target. A failure leaves the old
// file untouched and no temporary behind, as with replace_file, without a flush per file.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/safe_file.h"

namespace vx11 {

class FileBatch {
 public:
  FileBatch() = default;
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;
  // The temporaries of files not committed are removed.
  ~FileBatch() = default;

  // Writes the bytes to a temporary beside `path` (with the permissions of a file it replaces);
  // 0 or the errno, and then nothing is staged.
  int stage(const std::string& path, std::string_view bytes);
  // Flushes the staged files to disk, then renames each over its target. One result per staged
  // file, in the order staged: 0 or the errno. The batch is empty afterwards.
  std::vector<int> commit();
  std::size_t size() const { return staged_.size(); }

 private:
  std::vector<std::unique_ptr<ReplacementFile>> staged_;
};

}  // namespace vx11
