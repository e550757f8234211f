#include "project/safe_file.h"

#include "project/safe_file_steps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vx11 {

namespace {

// A temporary name in the target's folder, so the final rename stays on one file system.
int create_temporary(const std::string& path, std::string& temp) {
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  int err = EEXIST;
  for (int i = 0; i < 100 && err == EEXIST; ++i) {
    temp = folder + "." + base + "." + std::to_string(getpid()) + "-" + std::to_string(i) + ".tmp";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    err = errno;
  }
  errno = err;
  return -1;
}

int write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

}  // namespace

int write_temporary(const std::string& path, std::string_view bytes, bool flush, std::string& temp) {
  const int fd = create_temporary(path, temp);
  if (fd < 0) return errno;
  int err = 0;
  struct stat old {};
  if (stat(path.c_str(), &old) == 0 && fchmod(fd, old.st_mode & 07777) != 0) err = errno;
  if (err == 0) err = write_all(fd, bytes);
  if (err == 0 && flush && fsync(fd) != 0) err = errno;
  if (close(fd) != 0 && err == 0) err = errno;
  if (err != 0) unlink(temp.c_str());
  return err;
}

int replace_file(const std::string& path, std::string_view bytes) {
  std::string temp;
  int err = write_temporary(path, bytes, true, temp);
  if (err == 0 && std::rename(temp.c_str(), path.c_str()) != 0) {
    err = errno;
    unlink(temp.c_str());
  }
  return err;
}

}  // namespace vx11
