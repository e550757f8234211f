// Replacing a file's contents so that the old file survives any failure: the bytes go to a new file
// beside it, which is renamed over the old one only when every byte is on disk.
#pragma once

#include <string>
#include <string_view>

namespace vx11 {

// 0 on success, else the errno of the step that failed; the old file is then untouched and no
// temporary file is left behind. A new file gets the usual permissions, a replaced one keeps its own.
int replace_file(const std::string& path, std::string_view bytes);

}  // namespace vx11
