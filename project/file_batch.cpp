#include "project/file_batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <set>

#include "project/safe_file_steps.h"

namespace vx11 {

namespace {

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// One flush of the file system that holds the folder: every temporary written there is on disk after it.
int flush_file_system(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int err = syncfs(fd) == 0 ? 0 : errno;
  close(fd);
  return err;
}

}  // namespace

FileBatch::~FileBatch() {
  for (const Staged& s : staged_) unlink(s.temp.c_str());
}

int FileBatch::stage(const std::string& path, std::string_view bytes) {
  std::string temp;
  if (const int err = write_temporary(path, bytes, false, temp); err != 0) return err;
  staged_.push_back({path, std::move(temp)});
  return 0;
}

std::vector<int> FileBatch::commit() {
  std::vector<int> results(staged_.size(), 0);
  std::set<std::string> folders;
  for (const Staged& s : staged_) folders.insert(folder_of(s.path));
  int flushed = 0;
  for (const std::string& folder : folders)
    if (const int err = flush_file_system(folder); err != 0) flushed = err;
  for (std::size_t i = 0; i < staged_.size(); ++i) {
    const Staged& s = staged_[i];
    int err = flushed;
    if (err == 0 && std::rename(s.temp.c_str(), s.path.c_str()) != 0) err = errno;
    if (err != 0) unlink(s.temp.c_str());
    results[i] = err;
  }
  staged_.clear();
  return results;
}

}  // namespace vx11
