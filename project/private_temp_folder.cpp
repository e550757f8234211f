#include "project/private_temp_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "base/paths.h"
#include "base/text.h"

namespace vx11 {

void PrivateTempFolder::place_in(const std::string& base) {
  const std::string folder = with_slash(trimBlanks(base).empty() ? temporary_folder() : base);
  if (folder == base_) return;
  remove();
  base_ = folder;
}

const std::string& PrivateTempFolder::path() {
  if (!tried_) {
    tried_ = true;
    // mkdtemp makes the folder with mode 0700 under a name nobody could have planted before.
    std::string pattern = base_ + "vx11-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = with_slash(pattern);
  }
  return made() ? path_ : base_;
}

void PrivateTempFolder::remove() {
  tried_ = false;
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
  path_.clear();
}

}  // namespace vx11
