// The first step of a safe replacement, shared by the single file and the batch of files.
#pragma once

#include <string>
#include <string_view>

namespace vx11 {

// Writes the bytes into a new temporary file beside `path` (so the final rename stays on one file
// system), with the permissions of the file it is to replace; with `flush` they are on disk before
// it returns. 0 or the errno; after a failure no temporary is left. `temp` receives its name.
int write_temporary(const std::string& path, std::string_view bytes, bool flush, std::string& temp);

}  // namespace vx11
