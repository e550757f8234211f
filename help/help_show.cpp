#include "help/help_show.h"

#include "help/help_paths.h"
#include "help/hpgl_reader.h"
#include "base/format.h"
#include "base/text.h"

namespace vx11 {

std::string helpCaption(int n) { return upper("Hilfetext") + " " + "Nr" + "." + fmtInt(n); }

std::string helpBoxText(const HelpLookup& found, int n) {
  switch (found.status) {
    case HelpLookup::Status::FileMissing:
      return fileNotFoundText(found.path);
    case HelpLookup::Status::NotFound:
      return "Hilfetext Nr " + fmtInt(n) + ": " + "keine Hilfe vorhanden" + ".";
    case HelpLookup::Status::Found:
      break;
  }
  std::string text;
  for (const std::string& line : found.entry.lines) text += line + " ";
  return text;
}

std::string helpPicturePath(const std::string& folder, const HelpEntry& entry) {
  if (entry.picture.empty() || upper(entry.picture) == "NULL") return {};
  return pictureFilePath(folder, entry.picture);
}

void drawHelpPicture(HelpCanvas& canvas, const std::string& plot_path, const bool& cancelled, Interaction& ui) {
  canvas.clear();
  canvas.setWorldWindow(kHelpWorldWidth, kHelpWorldHeight);
  if (!plot_path.empty()) drawPlotFile(plot_path, canvas, cancelled, ui);
}

void showHelp(const HelpServices& services, const HelpSettings& settings, int n, HelpMode mode) {
  if (n == 0) n = services.help_number;
  const HelpLookup found = lookupHelp(settings.folder, settings.lower_name, n);
  if (mode != HelpMode::PictureOnly) services.ui.message(helpCaption(n), helpBoxText(found, n));
  if (mode != HelpMode::TextOnly && services.canvas) {
    const bool has_picture = found.status == HelpLookup::Status::Found;
    drawHelpPicture(*services.canvas, has_picture ? helpPicturePath(settings.folder, found.entry) : std::string(),
                    services.cancelled, services.ui);
  }
  services.cancelled = false;
}

std::string helpText(const FormatSettings& format, const HelpSettings& settings, int current, int n) {
  if (n == 0) n = current;
  const HelpLookup found = lookupHelp(settings.folder, settings.lower_name, n);
  if (found.status != HelpLookup::Status::Found) return {};
  // Each line by itself: the joined lines may be longer than a single converted text.
  std::string joined;
  for (std::size_t i = 0; i < found.entry.lines.size(); ++i) {
    if (i > 0) joined += ' ';
    joined += toWindows(format, found.entry.lines[i]);
  }
  return joined;
}

}  // namespace vx11
