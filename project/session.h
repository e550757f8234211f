// The program-wide file state of a run: current file, data directory, flags, recent-file list,
// and the session file that keeps the list between runs.
#pragma once

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "base/identity.h"

namespace vx11 {

struct Session {
  std::string current_file;    // without folder and extension from the window; as typed on the command line
  std::string data_directory;  // empty means the current folder
  std::string data_extension = "vxk";
  bool unsaved_changes = false;
  bool started_with_file = false;
  bool error_display = true;  // message boxes captioned "Fehler : " are shown only while on
  std::array<std::string, 4> recent;

  // The data directory with a trailing "/" when it is not empty.
  std::string directory_prefix() const;
  // Data directory + name + "." + data extension.
  std::string full_name(const std::string& name) const;
};

// Window caption: the title alone, or title + "  -  " + the current file (with extension), the file
// name marked (nameText) so it is shown as the file system gives it.
std::string caption_text(const ProgramIdentity& id, const Session& s);

void add_recent_file(Session& s, const std::string& name);
void remove_recent_file(Session& s, int slot);  // slot 1..4
// The name the recent-file menu shows for slot k: long names shortened around "...".
std::string recent_file_short_name(const Session& s, int slot);
// The caption of the recent-file menu entry of slot k: "&k name", the name marked (nameText).
std::string recent_file_caption(const Session& s, int slot);

// Session file: line 1 the program name, " Session " and the data directory; lines 2-5 the list.
void write_session_file(std::ostream& out, const ProgramIdentity& id, const Session& s);
// Reads lines 2-5 into the recent-file list; a missing or short file leaves empty slots.
void read_session_file(std::istream& in, Session& s);

}  // namespace vx11
