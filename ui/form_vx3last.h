// The loads dialog: torques, load factors, bending moment, fW and the three fL.
#pragma once

#include "ui/input_dialog.h"
#include "base/help_numbers.h"

namespace vx11 {

class Form_vx3last : public InputDialog {
 public:
  Form_vx3last(ProgramState& state, const DialogHelp& help, QWidget* parent = nullptr);
};

// Menu Edit > Load: true after OK (the caller then runs the rating).
bool edit_loads(ProgramState& state, const DialogHelp& help, QWidget* parent);

}  // namespace vx11
