// Opening a file for reading only when it is a regular file: a FIFO, a device or a folder named as
// input is refused at once instead of blocking the run or reading without end.
#pragma once

#include <sys/types.h>

#include <istream>
#include <memory>
#include <string>

namespace vx11 {

class RegularFileIn {
 public:
  explicit RegularFileIn(const std::string& path);
  ~RegularFileIn();
  RegularFileIn(const RegularFileIn&) = delete;
  RegularFileIn& operator=(const RegularFileIn&) = delete;

  bool is_open() const { return stream_ != nullptr; }
  // Why it is not open: the system's error number (ENOENT, EACCES, ...); for a name that is not a
  // regular file, not_regular() is true and mode() tells what it is.
  int error() const { return error_; }
  bool not_regular() const { return not_regular_; }
  mode_t mode() const { return mode_; }
  std::istream& stream() { return *stream_; }

 private:
  struct Buffer;
  std::unique_ptr<Buffer> buffer_;
  std::unique_ptr<std::istream> stream_;
  int error_ = 0;
  bool not_regular_ = false;
  mode_t mode_ = 0;
};

}  // namespace vx11
