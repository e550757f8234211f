// The editing and printing steps of the help-picture list, asked through the interaction interface.
#pragma once

#include <string>

#include "base/help_numbers.h"
#include "help/help_show.h"
#include "help/picture_index.h"
#include "base/interaction.h"

namespace vx11 {

inline constexpr int kMaxPictureInfo = 50;
inline constexpr int kMaxPictureName = 8;

struct PictureSteps {
  const HelpSettings& settings;
  const std::string& title;  // program title: the caption of questions
  Interaction& ui;
  int& help_number;
  bool& cancelled;
};

// Each step works on the index as read for the list; `selected` is the 0-based picture chosen in
// the list, or -1 when the step has to ask for the line. A cancel sets the abort flag and returns
// false; so does a failed file operation. Answering "Löschen ?" with No returns false alone.
bool appendPicture(const PictureSteps& steps);
bool deletePicture(const PictureSteps& steps, const PictureIndex& index, int selected);
bool changePicture(const PictureSteps& steps, const PictureIndex& index, int selected);
bool insertPicture(const PictureSteps& steps, const PictureIndex& index, int selected);
bool printPicture(const PictureSteps& steps, const PictureIndex& index, int selected);

// The picture file name of a chosen file: without folder and ".plt".
std::string pictureNameOf(const std::string& file);

}  // namespace vx11
