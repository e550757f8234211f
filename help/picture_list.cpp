#include "help/picture_list.h"

#include <algorithm>
#include <filesystem>

#include "base/help_numbers.h"
#include "help/help_paths.h"

namespace vx11 {

namespace {

void drawEntry(const PictureListServices& s, const PictureIndex& index, int entry) {
  if (entry < 0 || entry >= static_cast<int>(index.entries.size())) return;
  drawHelpPicture(s.canvas, pictureFilePath(s.settings.folder, index.entries[entry].name), s.cancelled, s.ui);
}

// Without an index: pick a picture file; its folder becomes the help-picture folder.
bool choosePictureFile(const PictureListServices& s) {
  const std::optional<std::string> file = s.ui.open_file(s.title, s.settings.folder, "*.plt");
  if (!file) {
    s.cancelled = true;
    return false;
  }
  s.settings.folder = std::filesystem::path(*file).parent_path().string();
  drawHelpPicture(s.canvas, *file, s.cancelled, s.ui);
  return true;
}

bool runAction(const PictureListServices& s, const PictureIndex& index, PictureAction action, int selected) {
  const PictureSteps steps{s.settings, s.title, s.ui, s.help_number, s.cancelled};
  switch (action) {
    case PictureAction::Append:
      return appendPicture(steps);
    case PictureAction::Delete:
      return deletePicture(steps, index, selected);
    case PictureAction::Change:
      return changePicture(steps, index, selected);
    case PictureAction::Insert:
      return insertPicture(steps, index, selected);
    case PictureAction::Print:
      return printPicture(steps, index, selected);
  }
  return false;
}

}  // namespace

void showHelpPictures(const PictureListServices& s, PictureListState& state) {
  while (true) {
    const PictureIndexFile current_file{s.settings.folder, s.settings.lower_name};
    const std::optional<PictureIndex> read = current_file.exists() ? current_file.read(s.ui) : std::nullopt;
    if (!read) {
      if (!choosePictureFile(s) || s.quiet) return;
      continue;
    }
    const PictureIndex& index = *read;
    const int pictures = static_cast<int>(index.entries.size());
    s.help_number = kHelpPictureList;
    state.current = std::clamp(state.current, 0, std::max(pictures - 1, 0));

    if (!state.started) {
      state.started = true;
      drawEntry(s, index, 0);
      if (s.quiet) return;
      continue;
    }

    const PictureListAnswer answer =
        s.dialog.show(s.short_name + " " + "Hilfebilder", pictureListEntries(index), state.current);
    state.last = answer;
    std::optional<PictureAction> action;
    int selected = state.current;
    switch (answer.command) {
      case PictureListCommand::Select:
        action = listAction(index, answer.entry);
        if (action) {
          selected = -1;  // an action chosen in the list asks for its line
        } else if (answer.entry >= 0 && answer.entry < pictures) {
          state.current = answer.entry;
          drawEntry(s, index, state.current);
        }
        break;
      case PictureListCommand::Up:
      case PictureListCommand::Down:
        state.current = std::clamp(state.current + (answer.command == PictureListCommand::Up ? -1 : 1), 0,
                                   std::max(pictures - 1, 0));
        drawEntry(s, index, state.current);
        break;
      case PictureListCommand::Append:
        action = PictureAction::Append;
        break;
      case PictureListCommand::Insert:
        action = PictureAction::Insert;
        break;
      case PictureListCommand::Delete:
        action = PictureAction::Delete;
        break;
      case PictureListCommand::Change:
        action = PictureAction::Change;
        break;
      case PictureListCommand::Help:
        showHelp(HelpServices{s.ui, nullptr, s.help_number, s.cancelled}, s.settings, 0,
                 HelpMode::TextOnly);
        break;
      case PictureListCommand::Ok:
        return;
      case PictureListCommand::Cancel:
        s.cancelled = true;
        return;
    }
    if (action) runAction(s, index, *action, pictures > 0 ? selected : -1);
    if (s.cancelled || s.quiet) return;
  }
}

}  // namespace vx11
