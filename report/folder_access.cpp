#include "report/folder_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vx11 {

bool folder_takes_files(const std::string& folder) {
  const char* path = folder.empty() ? "." : folder.c_str();
  struct stat st {};
  if (::stat(path, &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  return ::faccessat(AT_FDCWD, path, W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace vx11
