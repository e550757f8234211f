#include "project/file_batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <set>

namespace vx11 {

namespace {

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// One flush of the file system that holds the folder: every file written there is on disk after it.
int flush_file_system(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int err = syncfs(fd) == 0 ? 0 : errno;
  close(fd);
  return err;
}

}  // namespace

int FileBatch::stage(const std::string& path, std::string_view bytes) {
  auto file = std::make_unique<ReplacementFile>(path);
  if (file->error() != 0) return file->error();
  if (const int err = file->write(bytes); err != 0) return err;
  // Closed at once: a batch holds more files than a process may keep open.
  if (const int err = file->close(false); err != 0) return err;
  staged_.push_back(std::move(file));
  return 0;
}

std::vector<int> FileBatch::commit() {
  std::vector<int> results(staged_.size(), 0);
  std::set<std::string> folders;
  for (const auto& file : staged_) folders.insert(folder_of(file->target()));
  int flushed = 0;
  for (const std::string& folder : folders)
    if (const int err = flush_file_system(folder); err != 0) flushed = err;
  for (std::size_t i = 0; i < staged_.size(); ++i) results[i] = flushed != 0 ? flushed : staged_[i]->commit(false);
  // The new names are on disk too.
  for (const std::string& folder : folders) flush_file_system(folder);
  staged_.clear();
  return results;
}

}  // namespace vx11
