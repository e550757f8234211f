// A temporary folder of the run's own for command-line runs: the fixed scratch names in the
// temporary folder ("$$$1.txt", the IGES scratch file) would otherwise be shared by programs that
// run at the same time, and one run's report could end up in another's file.
#pragma once

#include <string>

namespace vx11 {

class PrivateTempFolder {
 public:
  // Makes a fresh folder inside `temp_folder` and points `temp_folder` at it; when that cannot be
  // made, `temp_folder` stays as it is.
  explicit PrivateTempFolder(std::string& temp_folder);
  ~PrivateTempFolder();  // removes the folder with what is left in it and restores `temp_folder`
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

 private:
  std::string& temp_folder_;
  std::string saved_;
  std::string made_;
};

}  // namespace vx11
