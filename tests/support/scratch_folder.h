// Scratch folders: fresh, empty folders of a test's own, so tests running side by side never share one.
#pragma once

#include <filesystem>
#include <string>

namespace vx11::test {

// Makes a new folder from `pattern`, whose name ends in XXXXXX (as mkdtemp wants it); an empty path
// when none can be made.
std::filesystem::path make_unique_folder(const std::string& pattern);

// The folder at `path`, emptied or made. For scratch folders in the build tree, which stay after
// the test for a look at what it wrote.
std::filesystem::path emptied_folder(const std::filesystem::path& path);

// A fresh folder below the system's temporary folder (vx11_<name>_XXXXXX), removed with everything
// in it together with the object. Without a name it is named after the running test.
class ScratchFolder {
 public:
  ScratchFolder();
  explicit ScratchFolder(const std::string& name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace vx11::test
