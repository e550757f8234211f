// The help-picture list: index or picture file choice, the list dialog, drawing and the edit steps.
#pragma once

#include <string>
#include <vector>

#include "help/help_show.h"
#include "help/hpgl_sink.h"
#include "help/picture_steps.h"

namespace vx11 {

// What the person did in the list dialog.
enum class PictureListCommand { Select, Up, Down, Append, Insert, Delete, Change, Ok, Help, Cancel };

struct PictureListAnswer {
  PictureListCommand command = PictureListCommand::Cancel;
  int entry = 0;  // Select: the 0-based list position chosen
};

// The list dialog (`TForm_hilfebild` in the window): shows the entries with `current` preselected.
class PictureListDialog {
 public:
  virtual ~PictureListDialog() = default;
  virtual PictureListAnswer show(const std::string& caption, const std::vector<std::string>& entries,
                                 int current) = 0;
};

// Kept for the whole run.
struct PictureListState {
  int current = 0;          // 0-based picture entry
  bool started = false;     // the first pass draws picture 1 without the dialog
  PictureListAnswer last;   // the last dialog result
};

struct PictureListServices {
  HelpSettings& settings;  // a picture chosen without an index moves the help-picture folder
  const std::string& title;
  const std::string& short_name;
  Interaction& ui;
  PictureListDialog& dialog;
  HelpCanvas& canvas;
  int& help_number;
  bool& cancelled;
  bool quiet = false;  // quiet start-up: one pass only
};

// Runs the list until the person ends it with OK, a cancel ends a step, or after one quiet pass.
void showHelpPictures(const PictureListServices& services, PictureListState& state);

}  // namespace vx11
