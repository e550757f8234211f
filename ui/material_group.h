// The material group shared by the materials dialog (shaft, hub) and the dimension dialog (key):
// number, name, Re, fS, fH, the table button and, for shaft and hub, the plim preview.
#pragma once

#include "ui/input_dialog.h"

class QGroupBox;

namespace vx11 {

class MaterialDialog : public InputDialog {
 public:
  using InputDialog::InputDialog;

 protected:
  // Edit names of one group: number, name, Re, fS, fH, and the table button.
  struct GroupNames {
    const char* number;
    const char* name;
    const char* re;
    const char* fs;
    const char* fh;
    const char* table_button;
  };
  // part: kShaft, kHub or kKey. `re_label` is the caption of the Re row.
  QGroupBox* material_group(PartIndex part, const QString& title, const GroupNames& names, const QString& re_label,
                            bool plim_preview);
  void fill_extra() override;

 private:
  struct Group {
    PartIndex part;
    QPushButton* table_button;
    QLabel* plim = nullptr;
    QLineEdit *re, *fs, *fh;
  };
  void choose(PartIndex part);
  void refresh_plim(const Group& g);
  std::vector<Group> groups_;
};

}  // namespace vx11
