#include "project/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "base/file_create.h"
#include "project/input_data.h"
#include "project/regular_file.h"
#include "base/safe_file.h"
#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {

// The last input line of the file: a file that ends before it holds no usable inputs.
constexpr int kLastInputLine = 48;

std::string quoted(const std::string& path) { return "\"" + nameText(path) + "\""; }

std::string filter(const Session& s) { return "*." + s.data_extension; }

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file name without folder and without the data extension.
std::string chosen_name(const std::string& path, const std::string& extension = "vxk") {
  std::string name = path.substr(path.rfind('/') + 1);
  const std::string ext = "." + extension;
  if (name.size() > ext.size() && lower(name.substr(name.size() - ext.size())) == ext)
    name.resize(name.size() - ext.size());
  return name;
}

bool is_aktuell(const std::string& name) { return lower(chosen_name(name)) == "aktuell"; }

// An error box (only while the error display is on) and the abort flag.
void refuse(InputFileContext& ctx, const std::string& text) {
  if (ctx.session.error_display) ctx.ui.message(kCaptionError, text);
  ctx.rec.cancelled = true;
}

// What kind of thing a name stands for when it is not a regular file.
const char* not_a_file_kind(mode_t mode) {
  if (S_ISDIR(mode)) return "Ordner";
  if (S_ISFIFO(mode)) return "FIFO";
  if (S_ISSOCK(mode)) return "Socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "Ger\x84t";
  return nullptr;
}

}  // namespace

std::string resolve_input_path(const Session& session, const std::string& name) {
  if (name.find('.') == std::string::npos) return session.full_name(name);
  return name;
}

bool check_overwrite(InputFileContext& ctx, const std::string& path, bool ask) {
  struct stat st {};
  const bool exists = stat(path.c_str(), &st) == 0;
  if (exists && ask && chosen_name(path).find("aktuell") == std::string::npos) {
    ctx.help_number = help::kOverwriteQuestion;
    const Answer a = ctx.ui.ask_yes_no_cancel(
        ctx.id.title, nameText(path) + " existiert bereits.   \x81" "berschreiben ?");
    if (a != Answer::Yes) {
      ctx.rec.cancelled = true;
      return false;
    }
  }
  // An existing file is never emptied here: the save replaces it only once the new one is complete.
  // Its write protection still counts, although the replacing rename would not need it. A link
  // stands for the file it points to, which the save writes (also when it does not exist yet).
  bool valid = exists && !S_ISDIR(st.st_mode) && access(path.c_str(), W_OK) == 0;
  if (!exists) {
    const std::string target = link_target(path);
    const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    valid = fd >= 0 && close(fd) == 0 && unlink(target.c_str()) == 0;
  }
  if (!valid) {
    refuse(ctx, "Ung\x81ltiger Dateiname " + quoted(path) + " !");
    return false;
  }
  return true;
}

void write_input_file(InputFileContext& ctx, const std::string& name, const InputFileOptions& options,
                      bool ask_overwrite) {
  Session& session = ctx.session;
  if (session.started_with_file) {
    if (options.archive_mode && !is_aktuell(name)) {
      ctx.ui.message(kCaptionInfo, "File- und User- Befehle sind im Archivierungsmodus nicht m\x94glich.");
      ctx.rec.cancelled = true;
      return;
    }
    if (!options.archive_mode) session.started_with_file = false;
  }

  std::string path;
  std::string new_current;  // the name the session takes on success, when the dialog chose it
  if (name.empty()) {
    const auto chosen = ctx.ui.save_file("", session.data_directory, "", filter(session));
    if (!chosen || chosen->empty()) {
      ctx.rec.cancelled = true;
      return;
    }
    session.data_directory = folder_of(*chosen);
    new_current = chosen_name(*chosen, session.data_extension);
    path = new_current.find('.') == std::string::npos ? session.full_name(new_current)
                                                      : session.directory_prefix() + new_current;
  } else {
    path = resolve_input_path(session, name);
  }
  if (ctx.rec.cancelled) return;
  if (!check_overwrite(ctx, path, ask_overwrite)) return;

  std::ostringstream out;
  write_input_data(out, ctx.rec, ctx.doc, ctx.format, ctx.id, options.owner_line);
  const int err = out ? replace_file(path, out.view()) : EIO;
  if (err != 0) {
    refuse(ctx, "Datei " + quoted(path) + " nicht gespeichert, die bisherige Datei bleibt unver\x84ndert: " +
                    create_error_text(err));
    return;
  }
  if (!new_current.empty()) session.current_file = new_current;
}

void read_input_file(InputFileContext& ctx, const std::string& name) {
  Session& session = ctx.session;
  std::string path;
  if (name.empty()) {
    const auto chosen = ctx.ui.open_file("", session.data_directory, filter(session));
    if (!chosen || chosen->empty()) {
      ctx.rec.cancelled = true;
      return;
    }
    path = *chosen;
  } else {
    path = resolve_input_path(session, name);
  }

  RegularFileIn file(path);
  if (!file.is_open()) {
    const int err = file.error();
    if (err == ENOENT || err == ENOTDIR)
      refuse(ctx, "File " + nameText(path) + " not found !");
    else if (const char* kind = file.not_regular() ? not_a_file_kind(file.mode()) : nullptr)
      refuse(ctx, "Datei " + quoted(path) + " ist keine Datei (" + kind + ") !");
    else
      refuse(ctx, "Datei " + quoted(path) + " nicht lesbar: I/O-Error " + fmtInt(err));
    return;
  }
  std::istream& in = file.stream();
  // Read into copies: a file that cannot be used leaves the current inputs as they are.
  ConnectionRecord rec = ctx.rec;
  Documentation doc = ctx.doc;
  const InputReadResult result = read_input_data(in, rec, doc);
  if (in.bad()) {
    refuse(ctx, "Datei " + quoted(path) + " nicht lesbar: I/O-Error " + fmtInt(EIO));
    return;
  }
  if (result.overlong_line) {
    refuse(ctx, "Datei " + quoted(path) + " ist besch\x84" "digt (Zeile " + fmtInt(result.lines + 1) +
                    " l\x84nger als 64 KiB) !");
    return;
  }
  if (result.lines < kLastInputLine) {
    refuse(ctx, "Unvollst\x84ndige Datei " + quoted(path) + " !");
    return;
  }
  ctx.rec = rec;
  ctx.doc = doc;
  if (!result.complete) ctx.ui.message(kCaptionInfo, "Unvollst\x84ndige Datei " + quoted(path) + " !");
  if (name.empty()) {
    session.data_directory = folder_of(path);
    session.current_file = chosen_name(path, session.data_extension);
  }
}

bool read_template_file(InputFileContext& ctx) {
  const std::string path = ctx.session.full_name("null");
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  read_input_file(ctx, path);
  ctx.session.current_file.clear();
  return !ctx.rec.cancelled;
}

}  // namespace vx11
