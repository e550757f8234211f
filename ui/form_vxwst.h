// The materials dialog: shaft and hub materials with fS, fH and the plim preview.
#pragma once

#include "ui/material_group.h"

namespace vx11 {

inline constexpr int kMaterialDialogHelp = 5040;

class Form_vxwst : public MaterialDialog {
 public:
  Form_vxwst(ProgramState& state, const DialogHelp& help, QWidget* parent = nullptr);
};

// Menu Edit > Material: true after OK (the caller then runs the rating).
bool edit_materials(ProgramState& state, const DialogHelp& help, QWidget* parent);

}  // namespace vx11
