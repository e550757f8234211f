#include "report/report_outlets.h"

#include <cstdlib>
#include <filesystem>

#include "base/paths.h"
#include "base/text.h"
#include "report/window_copy.h"

namespace vx11 {

void LpTextPrinter::print(const std::string& cp850_path) {
  if (!std::filesystem::exists(cp850_path)) {
    ui_.message(kCaptionError, nameText(cp850_path) + " not found !");
    return;
  }
  const std::string folder = temp_folder_();
  const std::string copy = with_slash(folder.empty() ? temporary_folder() : folder) + "outprint.txt";
  if (!write_window_copy(format_, cp850_path, copy)) {
    ui_.message(kCaptionError, "Schreibfehler: " + nameText(copy));
    return;
  }
  if (!starter_.exists("lp") || !starter_.start({"lp", "--", copy})) ui_.message(kCaptionError, "lp not found");
}

}  // namespace vx11
