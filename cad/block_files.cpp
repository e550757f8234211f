#include "cad/block_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/paths.h"

namespace vx11 {

namespace fs = std::filesystem;

std::string temporary_block_file(std::string_view folder, std::string_view name) {
  std::string safe(name);
  std::replace(safe.begin(), safe.end(), '/', '_');
  return with_slash(folder) + "$" + safe + ".dx$";
}

void remove_temporary_block_files(const std::string& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string n = it->path().filename().string();
    std::error_code removed;
    if (n.size() >= 5 && n.front() == '$' && n.ends_with(".dx$")) fs::remove(it->path(), removed);
  }
}

}  // namespace vx11
