// Replacing a file's contents so that the old file survives any failure: the bytes go to a new file
// beside it, which is renamed over the old one only when every byte is on disk.
#pragma once

#include <string>
#include <string_view>

namespace vx11 {

// The file a write to `path` must change: `path` itself, or, when it is a symbolic link (or a chain
// of them), the file the link points to, so that saving through a link keeps the link and updates
// its target. A dangling link gives the path the link names.
std::string link_target(const std::string& path);

// 0 on success, else the errno of the step that failed; the old file is then untouched and no
// temporary file is left behind. A new file gets the usual permissions, a replaced one keeps its own
// (mode, and owner where the process may set it); a file the process may not write is refused
// (EACCES), as its folder would let the rename replace it. Writes through symbolic links (see
// link_target). The folder must take a new file: there is no writing in place.
int replace_file(const std::string& path, std::string_view bytes);

// How a replacement treats a symbolic link at the target's name: a user's file saved through a link
// updates the file the link points to; in a folder that others may write into (the shared temporary
// folder) a planted link must never lead a write elsewhere, so the link itself is replaced.
enum class Links { Follow, Replace };

int replace_file(const std::string& path, std::string_view bytes, Links links);

// A replacement that another writer fills: a new file beside the (link-resolved) target, which
// `commit` puts in the target's place once it is complete. Without a commit, or when the commit
// fails, the new file is removed again and the target stays as it was.
class ReplacementFile {
 public:
  // `suffix` ends the temporary name (libraries that insist on an extension need it).
  explicit ReplacementFile(const std::string& path, std::string_view suffix = ".tmp", Links links = Links::Follow);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // 0 when the new file was created, else the errno of its creation.
  int error() const { return error_; }
  const std::string& temp_path() const { return temp_; }
  const std::string& target() const { return target_; }
  // Descriptor of the new file, open for writing; -1 after a failed creation.
  int descriptor() const { return fd_; }

  // Writes every byte to the new file; 0 or the errno of the failed write.
  int write(std::string_view bytes);
  // Gives the new file the target's mode (and owner where the process may set it) and closes it;
  // with `sync` its bytes are on disk first. 0 or the errno of the step that failed. A writer of
  // many files closes each without `sync` and flushes the file system once for all of them.
  int close(bool sync);
  // Closes the new file as close(`sync`) unless that was done, and renames it over the target; with
  // `sync` the folder's entry is on disk too. 0 or the errno of the step that failed.
  int commit(bool sync = true);

 private:
  std::string target_;
  std::string temp_;
  int fd_ = -1;
  int error_ = 0;
  Links links_;
  bool closed_ = false;
  bool committed_ = false;
};

}  // namespace vx11
