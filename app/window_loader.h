// Opens the window: finds the window module beside the program, loads it and runs its entry
// point. Only this step loads Qt, so batch runs never do.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vx11 {

inline constexpr const char* kWindowModuleFile = "vx11_ui.so";
inline constexpr const char* kWindowEntryPoint = "vx11_window_main";

// Where the module is looked for, in order: <bin>/../lib/vx11/ (installed), then <bin>/../lib/
// (the build tree); the folders follow the install directories the build was configured with.
std::vector<std::filesystem::path> window_module_candidates(const std::filesystem::path& executable);

// Whether a window can be shown: a display is named (DISPLAY or WAYLAND_DISPLAY), or
// QT_QPA_PLATFORM names a platform that needs none (offscreen, minimal, vnc, linuxfb, eglfs, ...).
// `environment` reads a variable (null when unset).
bool window_can_show(const char* (*environment)(const char*));
// The message of a start that needs the window where none can be shown: what to use instead.
std::string no_display_text();

// Runs the window of the running program with the command line and returns its exit code. The
// module is handed nothing but the command line: it builds its own program state. A missing or
// broken module writes the reason to `err` and returns 1.
// Without a display it writes no_display_text() to `err` and returns 1, before anything of Qt is loaded.
int run_window_module(int argc, char** argv, std::ostream& err);
// The same with the candidates given.
int run_window_module(const std::vector<std::filesystem::path>& candidates, int argc, char** argv,
                      std::ostream& err);

}  // namespace vx11
