#include "base/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vx11 {

namespace {

// Links that point at links are followed this far, as the system itself does.
constexpr int kMaxLinkHops = 40;

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The rename is only durable once the folder's entry is on disk too; a folder that cannot be
// synchronised (some file systems refuse) does not make the save fail.
void sync_folder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

std::string link_target(const std::string& path) {
  std::string p = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = readlink(p.c_str(), target.data(), target.size());
    if (n < 0) return p;
    target.resize(static_cast<std::size_t>(n));
    p = !target.empty() && target.front() == '/' ? target : folder_of(p) + target;
  }
  return p;
}

ReplacementFile::ReplacementFile(const std::string& path, std::string_view suffix, Links links)
    : target_(links == Links::Follow ? link_target(path) : path), links_(links) {
  // A write-protected file stays protected: the rename would replace it without asking its mode.
  if (access(target_.c_str(), F_OK) == 0 && access(target_.c_str(), W_OK) != 0) {
    error_ = errno;
    return;
  }
  // The temporary name lies in the target's folder, so the final rename stays on one file system.
  const std::string folder = folder_of(target_);
  const std::string base = target_.substr(folder.size());
  error_ = EEXIST;
  for (int i = 0; i < 100 && error_ == EEXIST; ++i) {
    temp_ = folder + "." + base + "." + std::to_string(getpid()) + "-" + std::to_string(i) + std::string(suffix);
    fd_ = open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    error_ = fd_ >= 0 ? 0 : errno;
  }
  if (fd_ < 0) temp_.clear();
}

ReplacementFile::~ReplacementFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temp_.empty()) unlink(temp_.c_str());
}

int ReplacementFile::write(std::string_view bytes) {
  if (fd_ < 0) return error_ != 0 ? error_ : EBADF;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int ReplacementFile::close(bool sync) {
  if (fd_ < 0) return error_ != 0 ? error_ : EBADF;
  int err = 0;
  // A replaced link hands nothing on: its target's mode and owner are not the new file's business.
  struct stat old {};
  const int found = links_ == Links::Follow ? stat(target_.c_str(), &old) : lstat(target_.c_str(), &old);
  if (found == 0 && S_ISREG(old.st_mode)) {
    if (fchmod(fd_, old.st_mode & 07777) != 0) err = errno;
    // Only a privileged process may give a file away; for anyone else the owner is already right.
    if (err == 0 && geteuid() == 0 && fchown(fd_, old.st_uid, old.st_gid) != 0) err = errno;
  }
  // fsync reaches the bytes whichever descriptor wrote them.
  if (err == 0 && sync && fsync(fd_) != 0) err = errno;
  if (::close(fd_) != 0 && err == 0) err = errno;
  fd_ = -1;
  if (err != 0) {
    error_ = err;
    return err;
  }
  closed_ = true;
  return 0;
}

int ReplacementFile::commit(bool sync) {
  if (!closed_)
    if (const int err = close(sync); err != 0) return err;
  if (std::rename(temp_.c_str(), target_.c_str()) != 0) return errno;
  committed_ = true;
  if (sync) sync_folder(folder_of(target_));
  return 0;
}

int replace_file(const std::string& path, std::string_view bytes) { return replace_file(path, bytes, Links::Follow); }

int replace_file(const std::string& path, std::string_view bytes, Links links) {
  ReplacementFile file(path, ".tmp", links);
  if (file.error() != 0) return file.error();
  if (const int err = file.write(bytes); err != 0) return err;
  return file.commit();
}

}  // namespace vx11
