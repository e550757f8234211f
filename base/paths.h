// Where the program finds its data, its temporary folder and its fallback configuration folder.
#pragma once

#include <string>
#include <string_view>

namespace vx11 {

// The folder with "/" at its end; the empty text (the current folder) stays empty.
std::string with_slash(std::string_view folder);

// The running program (/proc/self/exe); empty when it cannot be read.
std::string running_executable();

// The installed data folder beside the executable, <bin>/../share/vx11/ with the default install
// directories (the build tree has the same layout). The overload takes the executable's path; the other reads /proc/self/exe.
std::string program_data_folder(std::string_view executable);
std::string program_data_folder();

// $TEMP, else $TMPDIR, else /tmp; always with a trailing "/".
std::string temporary_folder();

// $XDG_CONFIG_HOME/korvant/, else $HOME/.config/korvant/ (the current folder when neither is set).
std::string fallback_config_folder();

// The current working folder with a trailing "/".
std::string current_folder();

}  // namespace vx11
