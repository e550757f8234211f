#include "help/help_paths.h"

#include <filesystem>

#include "base/text.h"

namespace vx11 {

std::string pictureFilePath(const std::string& folder, const std::string& name) {
  const std::string exact = helpFolderFile(folder, name + ".plt");
  std::error_code ec;
  if (std::filesystem::exists(exact, ec)) return exact;
  const std::string lowered = helpFolderFile(folder, lower(name) + ".plt");
  return std::filesystem::exists(lowered, ec) ? lowered : exact;
}

}  // namespace vx11
