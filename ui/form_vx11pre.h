// The predesign dialog: torque, KA and the shaft and hub materials give a proposed shaft diameter,
// and OK offers the key size for it.
#pragma once

#include "calc/predesign.h"
#include "ui/input_dialog.h"
#include "base/help_numbers.h"

namespace vx11 {

class Form_vx11pre : public InputDialog {
 public:
  Form_vx11pre(ProgramState& state, const DialogHelp& help, QWidget* parent = nullptr);

 protected:
  void fill_extra() override;
  void store_extra() override;
  bool confirm() override;

 private:
  PredesignEdits edits() const;
  void choose(PartIndex part);
  // The proposed diameter as shown; null when there is none.
  QString propose();
  QLineEdit* tn_;
  QLineEdit* ka_;
  QLineEdit* d_;
  QPushButton* material_[2];
};

// Menu Edit > Predesign. The caller runs the rating afterwards whatever this returns.
bool edit_predesign(ProgramState& state, const DialogHelp& help, QWidget* parent);

}  // namespace vx11
