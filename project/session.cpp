#include "project/session.h"

#include "base/text.h"
#include "base/value_lines.h"

namespace vx11 {

std::string Session::directory_prefix() const {
  if (data_directory.empty() || data_directory.back() == '/') return data_directory;
  return data_directory + "/";
}

std::string Session::full_name(const std::string& name) const {
  return directory_prefix() + name + "." + data_extension;
}

std::string caption_text(const ProgramIdentity& id, const Session& s) {
  if (s.current_file.empty()) return id.title;
  if (s.current_file.find('.') == std::string::npos)
    return id.title + "  -  " + nameText(s.current_file + "." + s.data_extension);
  return id.title + "  -  " + nameText(s.current_file);
}

void add_recent_file(Session& s, const std::string& name) {
  const std::string full = s.full_name(name);
  const std::string key = lower(full);
  std::array<std::string, 4> kept;
  std::size_t n = 0;
  for (const auto& e : s.recent)
    if (!e.empty() && lower(e) != key) kept[n++] = e;
  s.recent = {full, kept[0], kept[1], kept[2]};
}

void remove_recent_file(Session& s, int slot) {
  if (slot < 1 || slot > 4) return;
  for (int i = slot - 1; i < 3; ++i) s.recent[i] = s.recent[i + 1];
  s.recent[3].clear();
}

std::string recent_file_short_name(const Session& s, int slot) {
  if (slot < 1 || slot > 4) return {};
  std::string name = s.recent[slot - 1];
  const auto first = name.find('/');
  if (name.size() >= 50 && first != std::string::npos) {
    const auto last = name.rfind('/');
    name = name.substr(0, first + 1) + "..." + name.substr(last);
  }
  return name;
}

std::string recent_file_caption(const Session& s, int slot) {
  if (slot < 1 || slot > 4) return {};
  return "&" + std::to_string(slot) + " " + nameText(recent_file_short_name(s, slot));
}

void write_session_file(std::ostream& out, const ProgramIdentity& id, const Session& s) {
  writeTextLine(out, id.lower_name + " Session " + s.data_directory);
  for (const auto& e : s.recent) writeTextLine(out, e);
}

void read_session_file(std::istream& in, Session& s) {
  ValueLineReader r(in);
  r.text();
  for (auto& e : s.recent) e = r.text();
}

}  // namespace vx11
