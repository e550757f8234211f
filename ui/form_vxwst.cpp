#include "ui/form_vxwst.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "project/program_state.h"

namespace vx11 {

namespace {
const QString kReLabel = QStringLiteral("Streckgrenze (Zugfest.Rm bei spröden WS)  Re");
}

Form_vxwst::Form_vxwst(ProgramState& state, const DialogHelp& help, QWidget* parent)
    : MaterialDialog(state, QString::fromStdString(state.identity.short_name) + QStringLiteral("  Werkstoff"),
                     kHelpDimensionsAndMaterials, help, parent) {
  setObjectName("Form_vxwst");
  // The groups sit one above the other: the long Re caption would make them too wide side by side.
  auto* row = new QVBoxLayout;
  row->addWidget(material_group(kShaft, QStringLiteral(" Innenteil (Welle) "),
                                {"Edit_ident1", "Edit_Name1", "Edit_Re1", "Edit_fs1", "Edit_fh1", "Button1"}, kReLabel,
                                true));
  row->addWidget(material_group(kHub, QStringLiteral(" Außenteil (Nabe) "),
                                {"Edit_ident2", "Edit_name2", "Edit_re2", "Edit_fs2", "Edit_fh2", "Button2"}, kReLabel,
                                true));
  content()->addLayout(row);
  add_unit_button(QStringLiteral("Mpa <--> psi"));
}

bool edit_materials(ProgramState& state, const DialogHelp& help, QWidget* parent) {
  Form_vxwst d(state, help, parent);
  return d.run();
}

}  // namespace vx11
