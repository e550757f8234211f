#include "tests/batch/batch_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "project/configuration.h"
#include "base/identity.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

BatchFolder::BatchFolder(const std::string& name) {
  root = test::make_unique_folder((fs::temp_directory_path() / ("vx11_batch_" + name + "_XXXXXX")).string());
  if (root.empty()) ADD_FAILURE() << "no scratch folder";
  work = root / "work";
  temp = root / "tmp";
  config = root / "cfg";
  for (const auto& f : {work, temp, config, root / "log"}) fs::create_directories(f);
  // The unprivileged runs read and write here as well; the shared temporary folder is sticky like /tmp.
  fs::permissions(root, fs::perms::all);
  fs::permissions(work, fs::perms::all);
  fs::permissions(root / "log", fs::perms::all);
  fs::permissions(temp, fs::perms::all | fs::perms::sticky_bit);
  fs::permissions(config, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
}

BatchFolder::~BatchFolder() {
  std::error_code ec;
  fs::remove_all(root, ec);
}

Outcome BatchFolder::script(const std::string& text, const std::string& as) const {
  static int counter = 0;
  const fs::path log = root / "log" / std::to_string(++counter);
  const std::string out = log.string() + ".out", err = log.string() + ".err";
  // A private configuration folder keeps the user's own configuration out of the test; no display,
  // so nothing can open a window.
  const std::string env = "cd " + quoted(work.string()) + " && export XDG_CONFIG_HOME=" + quoted(config.string()) +
                          " TEMP=" + quoted(temp.string()) + " TMPDIR=" + quoted(temp.string()) +
                          " WVX11=" + quoted(VX11_BIN_DIR "/wvx11") +
                          " && unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM && ";
  const std::string body = as.empty() ? text : as + " /bin/sh -c " + quoted(env + text);
  const std::string command = "{ " + env + body + "; } >" + quoted(out) + " 2>" + quoted(err);
  const int status = std::system(("/bin/sh -c " + quoted(command)).c_str());
  Outcome r;
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = read_file(out);
  r.err = read_file(err);
  return r;
}

Outcome BatchFolder::run(const std::string& arguments, const std::string& before, const std::string& as) const {
  return script(before + (before.empty() ? "" : " ") + "\"$WVX11\" " + arguments, as);
}

void BatchFolder::example(const std::string& name, std::string as) const {
  if (as.empty()) as = name;
  fs::copy_file(fs::path(VX11_SOURCE_DIR) / "examples" / name, work / as, fs::copy_options::overwrite_existing);
  fs::permissions(work / as, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                 fs::perms::others_read);
}

void BatchFolder::configure_tables(const std::string& dbf_folder) const {
  Configuration c = default_configuration(work.string() + "/");
  c.dbf_folder = dbf_folder;
  c.plt_folder = VX11_DATA_DIR;
  std::ostringstream text;
  write_configuration(text, c, ProgramIdentity{});
  fs::create_directories(config / "korvant");
  write_file(config / "korvant" / "vx11.cfg", text.str());
}

std::string BatchFolder::read(const std::string& name) const { return read_file(work / name); }
void BatchFolder::write(const std::string& name, const std::string& bytes) const { write_file(work / name, bytes); }
bool BatchFolder::exists(const std::string& name) const {
  std::error_code ec;
  return fs::exists(fs::symlink_status(work / name, ec));
}

std::vector<std::string> BatchFolder::temp_leftovers() const {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(temp)) names.push_back(e.path().filename().string());
  return names;
}

std::string with_line(const std::string& file, int line, const std::string& text) {
  std::size_t start = 0;
  for (int i = 1; i < line; ++i) start = file.find('\n', start) + 1;
  const std::size_t end = file.find("\r\n", start);
  return file.substr(0, start) + text + file.substr(end);
}

bool unprivileged(std::string& prefix, std::string& why) {
  prefix.clear();
  if (::geteuid() != 0) return true;
  const std::string drop = "setpriv --reuid=65534 --regid=65534 --clear-groups";
  if (std::system((drop + " test -x '" VX11_BIN_DIR "/wvx11' >/dev/null 2>&1").c_str()) != 0) {
    why = "the tests run as root and setpriv cannot run wvx11 as the user nobody (uid 65534)";
    return false;
  }
  prefix = drop;
  return true;
}

std::string masked(const std::string& text) {
  // The tab-separated report's first line: title, date, time.
  static const std::regex report_clock("\\t[0-9]{2}[./][0-9]{2}[./][0-9]{4}\\t[0-9]{1,2}:[0-9]{2}");
  // The IGES global section's file date: yymmdd and the fixed time.
  static const std::regex iges_date("13H[0-9]{6}\\.081107");
  std::string t = std::regex_replace(text, report_clock, "\tDD.MM.YYYY\tHH:MM");
  return std::regex_replace(t, iges_date, "13HYYMMDD.081107");
}

std::string python() { return fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3"; }

}  // namespace vx11::test
