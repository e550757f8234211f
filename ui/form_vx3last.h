// The loads dialog: torques, load factors, bending moment, fW and the three fL.
#pragma once

#include "ui/input_dialog.h"

namespace vx11 {

inline constexpr int kLoadDialogHelp = 1000;
inline constexpr int kKaPictureHelp = 5120;
inline constexpr int kFwPictureHelp = 5160;
inline constexpr int kFlPictureHelp = 5170;

class Form_vx3last : public InputDialog {
 public:
  Form_vx3last(ProgramState& state, const DialogHelp& help, QWidget* parent = nullptr);
};

// Menu Edit > Load: true after OK (the caller then runs the rating).
bool edit_loads(ProgramState& state, const DialogHelp& help, QWidget* parent);

}  // namespace vx11
