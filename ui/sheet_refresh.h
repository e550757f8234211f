// What the result table and the spreadsheet commands do to the main window after they changed the
// inputs: the caption, the message count, the current view; and the busy cursor while they work.
#pragma once

#include <string>

namespace vx11 {

class ProgramState;
struct Session;
class Thh;

// The wait cursor for the lifetime of the object.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// The window caption: the title and the current file.
void show_caption(Thh& window, ProgramState& state);

// Caption, "(n)" behind the error-messages item and the current view.
void refresh_after_rating(Thh& window, ProgramState& state);

// Reads the current input file, rates it and refreshes the window; a file that was read leaves no
// unsaved changes. False when it could not be read (the abort flag is set).
bool read_rate_and_show(Thh& window, ProgramState& state);

// Makes the input data file at `path` the current file and reads, rates and shows it. A file that
// cannot be read is not kept as the current file, so a later Save cannot put other inputs into it.
bool open_input_file(Thh& window, ProgramState& state, const std::string& path);

// The current-file name that stands for `path`: the bare name when the path is a file of the data
// directory with the data extension, the whole path otherwise.
std::string current_file_name(const Session& session, const std::string& path);

}  // namespace vx11
