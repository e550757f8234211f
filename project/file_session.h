// Which input data file is open and where input files live: the session state that opening and
// saving read and update.
#pragma once

#include <string>
#include <string_view>

namespace vx11 {

struct FileSession {
  // Without folder and extension when chosen in the window; as typed when given on the command
  // line; empty for new, unnamed inputs.
  std::string current_file_name;
  // Folder of the input data files; empty means the current folder.
  std::string data_directory;
  // The program was started with a file named on the command line.
  bool started_with_file = false;
};

// The folder with a "/" added when it is not empty and does not end with one.
std::string folder_prefix(std::string_view folder);
// Data directory + name + "." + data extension.
std::string data_file_path(const FileSession& session, std::string_view name);

}  // namespace vx11
