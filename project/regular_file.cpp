#include "project/regular_file.h"

#include <ext/stdio_filebuf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vx11 {

struct RegularFileIn::Buffer {
  explicit Buffer(int fd) : file(fd, std::ios::in | std::ios::binary) {}
  __gnu_cxx::stdio_filebuf<char> file;  // owns the descriptor and closes it
};

RegularFileIn::RegularFileIn(const std::string& path) {
  // O_NONBLOCK: opening a FIFO without a writer returns at once instead of waiting for one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error_ = errno;
    return;
  }
  struct stat st {};
  const bool known = ::fstat(fd, &st) == 0;
  if (!known || !S_ISREG(st.st_mode)) {
    error_ = known ? EINVAL : errno;
    not_regular_ = known;
    mode_ = st.st_mode;
    ::close(fd);
    return;
  }
  // A regular file never blocks; the flag is cleared so reads behave as usual.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  buffer_ = std::make_unique<Buffer>(fd);
  stream_ = std::make_unique<std::istream>(&buffer_->file);
}

RegularFileIn::~RegularFileIn() {
  stream_.reset();
  buffer_.reset();
}

}  // namespace vx11
