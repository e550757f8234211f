#include "base/file_create.h"

#include <cerrno>

#include "base/safe_file.h"
#include "base/text.h"

namespace vx11 {

std::string create_error_text(int error_number) {
  if (error_number == EACCES || error_number == EROFS || error_number == EPERM)
    return "Schreibschutz entfernen !";
  if (error_number == ENOMEDIUM) return "Programmdiskette einlegen !";
  return "I/O-Error " + std::to_string(error_number);
}

std::string not_written_text(const std::string& path, int error_number) {
  return "Datei " + nameText(path) + " nicht geschrieben, eine vorhandene Datei bleibt unver\x84ndert: " +
         create_error_text(error_number);
}

bool create_file(std::ofstream& out, const std::string& path, Interaction& ui, int attempts) {
  for (int i = 0; i < attempts; ++i) {
    errno = 0;
    out.open(path, std::ios::binary | std::ios::trunc);
    if (out.is_open()) return true;
    out.clear();
    ui.message(kCaptionError, create_error_text(errno == 0 ? EIO : errno));
  }
  ui.message(kCaptionError, "Datei " + nameText(path) + " kann nicht angelegt werden !");
  return false;
}

bool save_file(const std::string& path, std::string_view bytes, Interaction& ui, const std::string& title,
               int attempts) {
  for (int i = 1; i <= attempts; ++i) {
    const int err = replace_file(path, bytes);
    if (err == 0) return true;
    ui.message(kCaptionError, create_error_text(err));
    if (i == attempts) break;
    const Answer again =
        ui.ask_yes_no_cancel(title, "Datei " + nameText(path) + " nicht gespeichert.  Nochmals versuchen ?");
    if (again != Answer::Yes) break;
  }
  ui.message(kCaptionError,
             "Datei " + nameText(path) + " nicht gespeichert, die bisherige Datei bleibt unver\x84ndert !");
  return false;
}

}  // namespace vx11
