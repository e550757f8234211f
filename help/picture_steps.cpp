#include "help/picture_steps.h"

#include <filesystem>

#include "help/help_paths.h"
#include "help/picture_print.h"
#include "report/number_input.h"
#include "report/report_stream.h"
#include "base/text.h"

namespace vx11 {

namespace {

bool cancel(const PictureSteps& steps) {
  steps.cancelled = true;
  return false;
}

PictureIndexFile indexFile(const PictureSteps& steps) {
  return PictureIndexFile{steps.settings.folder, steps.settings.lower_name};
}

// The selected line, or the one the person picks from the pictures with `prompt`.
std::optional<int> lineOf(const PictureSteps& steps, const PictureIndex& index, int selected,
                          const std::string& prompt) {
  const int n = static_cast<int>(index.entries.size());
  if (selected >= 0 && selected < n) return selected;
  if (n == 0) return std::nullopt;
  std::vector<std::string> items = pictureListEntries(index);
  items.resize(n);
  const std::optional<int> chosen = steps.ui.choose(prompt, items, 0);
  if (!chosen || *chosen < 0 || *chosen >= n) return std::nullopt;
  return chosen;
}

std::optional<std::string> askInfo(const PictureSteps& steps, const std::string& preset) {
  const std::optional<std::string> info = steps.ui.ask_text(steps.title, "Information zum Hilfebild", preset);
  if (!info) return std::nullopt;
  return leftPart(*info, kMaxPictureInfo);
}

std::optional<PictureIndexEntry> choosePicture(const PictureSteps& steps) {
  const std::optional<std::string> file = steps.ui.open_file(steps.title, steps.settings.folder, "*.plt");
  if (!file) return std::nullopt;
  const std::optional<std::string> info = askInfo(steps, "");
  if (!info) return std::nullopt;
  return PictureIndexEntry{pictureNameOf(*file), *info};
}

}  // namespace

std::string pictureNameOf(const std::string& file) {
  std::filesystem::path p(file);
  if (lower(p.extension().string()) == ".plt") p.replace_extension();
  return p.filename().string();
}

bool appendPicture(const PictureSteps& steps) {
  steps.help_number = kHelpPictureAppend;
  const std::optional<PictureIndexEntry> entry = choosePicture(steps);
  if (!entry) return cancel(steps);
  return indexFile(steps).append(*entry, steps.ui) || cancel(steps);
}

bool deletePicture(const PictureSteps& steps, const PictureIndex& index, int selected) {
  steps.help_number = kHelpPictureDelete;
  const int n = static_cast<int>(index.entries.size());
  int line = selected;
  if (selected >= 0 && selected < n) {
    const Answer answer = steps.ui.ask_yes_no_cancel(steps.title, "L\x94schen ?");
    if (answer == Answer::Cancel) return cancel(steps);
    if (answer == Answer::No) return false;  // back to the list, nothing deleted
  } else {
    const std::optional<int> chosen = lineOf(steps, index, -1, "Zu l\x94schende Zeile w\x84hlen...");
    if (!chosen) return cancel(steps);
    line = *chosen;
  }
  return indexFile(steps).remove(line, steps.ui) || cancel(steps);
}

bool changePicture(const PictureSteps& steps, const PictureIndex& index, int selected) {
  steps.help_number = kHelpPictureChangeName;
  const std::optional<int> line = lineOf(steps, index, selected, "Zu \x84ndernde Zeile w\x84hlen...");
  if (!line) return cancel(steps);
  const PictureIndexEntry& old = index.entries[*line];
  const std::optional<std::string> name =
      steps.ui.ask_text(steps.title, "Dateiname (ohne Endung .plt)", nameText(lower(removeBlanks(old.name))));
  if (!name) return cancel(steps);
  steps.help_number = kHelpPictureChangeInfo;
  const std::optional<std::string> info = askInfo(steps, old.info);
  if (!info) return cancel(steps);
  return indexFile(steps).change(*line, {leftPart(*name, kMaxPictureName), *info}, steps.ui) || cancel(steps);
}

bool insertPicture(const PictureSteps& steps, const PictureIndex& index, int selected) {
  steps.help_number = kHelpPictureInsert;
  const std::optional<int> line = lineOf(steps, index, selected, "Vor welche Zeile einf\x81gen ?");
  if (!line) return cancel(steps);
  const std::optional<PictureIndexEntry> entry = choosePicture(steps);
  if (!entry) return cancel(steps);
  return indexFile(steps).insert(*line, *entry, steps.ui) || cancel(steps);
}

bool printPicture(const PictureSteps& steps, const PictureIndex& index, int selected) {
  steps.help_number = kHelpPicturePrintPort;
  const std::optional<int> line = lineOf(steps, index, selected, "Welches Bild ausdrucken ?");
  if (!line) return cancel(steps);
  const std::optional<long long> port =
      ask_integer(steps.ui, std::string("Druckerschnittstelle (max = ") + "3" + ", default=1)", 1, 1, 3);
  if (!port) return cancel(steps);
  steps.help_number = kHelpPicturePrintControl;
  const Answer control =
      steps.ui.ask_yes_no_cancel(steps.title, "Steuersequenz f\x81r HP-GL/2-Laserdrucker vorausschicken ?");
  if (control == Answer::Cancel) return cancel(steps);
  const std::string plot = pictureFilePath(steps.settings.folder, index.entries[*line].name);
  return printPlotFile(plot, printer_port_device(static_cast<int>(*port)), control == Answer::Yes, steps.ui) ||
         cancel(steps);
}

}  // namespace vx11
