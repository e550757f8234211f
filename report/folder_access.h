// Whether this program may create files in a folder.
#pragma once

#include <string>

namespace vx11 {

// True when the folder exists and this process may create and remove files in it (write and
// search permission, not on a read-only file system). The empty text is the current folder.
// Asking the system instead of creating a probe file leaves nothing behind that a second run of
// the program, started at the same moment, could trip over.
bool folder_takes_files(const std::string& folder);

}  // namespace vx11
