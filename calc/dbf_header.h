// Checks a dBase file's header against its size before any reader trusts it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx11 {

// What the header says, once it has been found consistent with itself and the file.
struct DbfLayout {
  std::uint32_t record_count = 0;
  std::uint16_t header_length = 0;
  std::uint16_t record_length = 0;
  int field_count = 0;
};

struct DbfCheck {
  bool ok = false;
  bool readable = false;  // false: the file could not be opened or read at all
  std::string problem;    // code page 850 text naming what is wrong, empty when ok
  DbfLayout layout;
};

// Reads only the header and field descriptors; never trusts a length it has not checked
// against the file size.
DbfCheck check_dbf_file(const std::string& path);
// The same check on bytes already in memory (the header part is enough; file_size is the whole file's).
DbfCheck check_dbf_bytes(std::string_view head, std::uint64_t file_size);

}  // namespace vx11
