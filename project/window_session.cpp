#include "project/window_session.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "base/file_create.h"
#include "project/input_file.h"
#include "base/paths.h"
#include "project/startup.h"
#include "base/text.h"

namespace vx11 {

namespace {

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool is_regular_file(const std::string& path) {
  struct stat s {};
  return stat(path.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

}  // namespace

std::string session_file_path(const ProgramState& st) {
  return with_slash(st.config_folder) + st.identity.session_file();
}

void load_session(ProgramState& st) {
  std::ifstream in(session_file_path(st), std::ios::binary);
  st.session.recent = {};
  if (in) read_session_file(in, st.session);
  st.rec.cancelled = false;
}

bool save_session(ProgramState& st) {
  std::ostringstream out;
  write_session_file(out, st.identity, st.session);
  return save_file(session_file_path(st), out.view(), st.ui, st.identity.title);
}

bool open_recent_file(ProgramState& st, int slot) {
  if (slot < 1 || slot > 4) return false;
  st.rec.cancelled = false;
  ask_save_changes(st);
  if (st.rec.cancelled) return false;
  Session& s = st.session;
  const std::string full = s.recent[slot - 1];
  if (full.empty()) return false;
  if (!is_regular_file(full)) {
    remove_recent_file(s, slot);
    st.ui.message(kCaptionInfo, "File " + nameText(full) + " not found !");
    return false;
  }
  // A failed read keeps the inputs, and so the name they belong to.
  const Session before = s;
  s.current_file = base_name(full);
  s.data_directory = folder_of(full);
  auto ctx = st.input_file();
  read_input_file(ctx, full);
  if (st.rec.cancelled) {
    s.current_file = before.current_file;
    s.data_directory = before.data_directory;
    return false;
  }
  // To the head, as it stands in the list.
  for (int i = slot - 1; i > 0; --i) s.recent[i] = s.recent[i - 1];
  s.recent[0] = full;
  s.unsaved_changes = false;
  return true;
}

}  // namespace vx11
