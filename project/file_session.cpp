#include "project/file_session.h"

#include "project/program_identity.h"

namespace vx11 {

std::string folder_prefix(std::string_view folder) {
  std::string f(folder);
  if (!f.empty() && f.back() != '/') f += '/';
  return f;
}

std::string data_file_path(const FileSession& session, std::string_view name) {
  return folder_prefix(session.data_directory) + std::string(name) + "." + kDataExtension;
}

}  // namespace vx11
