// Bringing the main window up on the program state, and the question before it closes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vx11 {

class ProgramState;
class Thh;

// Installs every command group, reads the session file, runs the start-up for the window (the file
// of the command line or the template, the rating), switches to the configured language and shows
// caption, recent files and the first view. Returns the exit code when the program is to end
// instead of showing the window. `args` are the parameters without the program name.
std::optional<int> start_window(Thh& window, ProgramState& state, const std::vector<std::string>& args);

// The close query: true when the window may close (the temporary block files are then deleted).
bool may_close(ProgramState& state);

}  // namespace vx11
