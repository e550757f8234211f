#include "project/file_create.h"

#include <cerrno>

namespace vx11 {

std::string create_error_text(int error_number) {
  if (error_number == EACCES || error_number == EROFS || error_number == EPERM)
    return "Schreibschutz entfernen !";
  return "I/O-Error " + std::to_string(error_number);
}

std::string not_written_text(const std::string& path, int error_number) {
  return "Datei " + path + " nicht geschrieben, eine vorhandene Datei bleibt unver\x84ndert: " +
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
  ui.message(kCaptionError, "Datei " + path + " kann nicht angelegt werden !");
  return false;
}

}  // namespace vx11
