// The dimension dialog: key count and series, key size, shaft diameter, fits, alpha kb and the key
// material.
#pragma once

#include "ui/material_group.h"
#include "base/help_numbers.h"

class QButtonGroup;
class QComboBox;

namespace vx11 {

class Form_vx11wst : public MaterialDialog {
 public:
  Form_vx11wst(ProgramState& state, const DialogHelp& help, QWidget* parent = nullptr);
  // Without a key size yet the key table opens at once, before the dialog shows.
  void choose_key_if_none();

 protected:
  void fill_extra() override;
  void store_extra() override;

 private:
  void choose_key();
  QComboBox* count_;
  QButtonGroup* series_;
  QPushButton* key_button_;
};

// Menu Edit > Dimensions: true after OK (the caller then runs the rating).
bool edit_dimensions(ProgramState& state, const DialogHelp& help, QWidget* parent);

}  // namespace vx11
