// The materials dialog: shaft and hub materials with fS, fH and the plim preview.
#pragma once

#include "ui/material_group.h"
#include "base/help_numbers.h"

namespace vx11 {

class Form_vxwst : public MaterialDialog {
 public:
  Form_vxwst(ProgramState& state, const DialogHelp& help, QWidget* parent = nullptr);
};

// Menu Edit > Material: true after OK (the caller then runs the rating).
bool edit_materials(ProgramState& state, const DialogHelp& help, QWidget* parent);

}  // namespace vx11
