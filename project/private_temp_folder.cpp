#include "project/private_temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "project/paths.h"
#include "report/text.h"

namespace vx11 {

PrivateTempFolder::PrivateTempFolder(std::string& temp_folder) : temp_folder_(temp_folder), saved_(temp_folder) {
  std::string pattern = with_slash(trimBlanks(temp_folder).empty() ? temporary_folder() : temp_folder) + "vx11_XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return;
  made_ = pattern;
  temp_folder_ = with_slash(made_);
}

PrivateTempFolder::~PrivateTempFolder() {
  if (made_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(made_, ec);
  temp_folder_ = saved_;
}

}  // namespace vx11
