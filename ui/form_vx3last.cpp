#include "ui/form_vx3last.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "project/program_state.h"
#include "base/format.h"
#include "base/text.h"

namespace vx11 {

Form_vx3last::Form_vx3last(ProgramState& state, const DialogHelp& help, QWidget* parent)
    : InputDialog(state, QString::fromStdString(state.identity.short_name), kHelpLoads, help, parent) {
  setObjectName("Form_vx3last");
  ConnectionRecord& r = work();
  const auto torque = [this] { return unitTorque(format()); };
  auto* grid = new QGridLayout;
  auto* tn = number_edit("Edit_tnenn", Quantity::Torque, r.nominal_torque_tn);
  auto* tmax = number_edit("Edit_tmax", Quantity::Torque, r.max_torque_tmax);
  auto* tmax_default = default_button(tmax, [this, tn] {
    return QString::fromStdString(trimBlanks(fmtSig(format(), 3 * typed_number(tn))));
  });
  auto* ka = number_edit("Edit_ka", Quantity::Plain, r.application_factor_ka);
  auto* klambda = number_edit("Edit_klambda", Quantity::Plain, r.load_distribution_factor_klambda);
  auto* kr = number_edit("Edit_kr", Quantity::Plain, r.friction_factor_kr);
  auto* mb = number_edit("Edit_mbmax", Quantity::Torque, r.bending_moment_mbmax);
  auto* fw = number_edit("Edit_fw", Quantity::Plain, r.load_reversal_factor_fw);
  const QString one = QStringLiteral("1.0");
  auto* ka_default = default_button(ka, one);
  auto* ka_picture = picture_button("Button_ka", QStringLiteral("KA ?"), kHelpPictureKA);
  auto* klambda_default = default_button(klambda, one);
  auto* kr_default = default_button(kr, one);
  auto* mb_default = default_button(mb, QStringLiteral("0"));
  auto* fw_default = default_button(fw, one);
  auto* fw_picture = picture_button("Button_fw", QStringLiteral("fW ?"), kHelpPictureFW);
  int row = 0;
  grid_row(grid, row++, QStringLiteral("Nenndrehmoment TN"), tn, {unit_label(torque)});
  grid_row(grid, row++, QStringLiteral("Maximales Drehmoment Tmax"), tmax, {unit_label(torque), tmax_default});
  grid_row(grid, row++, QStringLiteral("Anwendungsfaktor KA"), ka, {nullptr, ka_default, ka_picture});
  grid_row(grid, row++, QStringLiteral("Lastverteilungsfaktor K lambda"), klambda, {nullptr, klambda_default});
  grid_row(grid, row++, QStringLiteral("Reibschlußfaktor KR"), kr, {nullptr, kr_default});
  grid_row(grid, row++, QStringLiteral("Max.Biegemoment Welle Mbmax"), mb, {unit_label(torque), mb_default});
  grid_row(grid, row++, QStringLiteral("Lastrichtungswechselfaktor fW"), fw, {nullptr, fw_default, fw_picture});
  grid->addWidget(new QLabel(QStringLiteral("Lastspitzenhäufigkeitsfaktor fL"), this), row++, 0, 1, 2);
  std::vector<QLineEdit*> fl;
  for (int p = 0; p < 3; ++p) {
    const std::string name = "Edit_fl" + std::to_string(p + 1);
    fl.push_back(number_edit(name.c_str(), Quantity::Plain, r.load_peak_factor_fl[static_cast<std::size_t>(p)]));
  }
  for (QLineEdit* e : {tn, ka, klambda, kr, fw}) require(e, NumberRange::Positive);
  require(tmax, NumberRange::NotNegative);
  for (int p = 0; p < 3; ++p)
    require(fl[static_cast<std::size_t>(p)], NumberRange::Positive,
            QStringLiteral("Lastspitzenhäufigkeitsfaktor fL ") + shown(kPartNames[static_cast<std::size_t>(p)]));
  auto* fl_default = default_button(fl[0], one);
  connect(fl_default, &QPushButton::clicked, this, [fl] {
    for (QLineEdit* e : fl) e->setText(QStringLiteral("1.0"));
  });
  auto* fl_picture = picture_button("Button_fl", QStringLiteral("fL ?"), kHelpPictureFL);
  for (int p = 0; p < 3; ++p)
    grid_row(grid, row++, QStringLiteral("    ") + shown(kPartNames[static_cast<std::size_t>(p)]),
             fl[static_cast<std::size_t>(p)], {nullptr, p == 0 ? fl_default : nullptr, p == 0 ? fl_picture : nullptr});
  content()->addLayout(grid);
  for (const char* caption : {"Teq = TN * KA", "S eq = plim * fw / peq ", "S max = plim * fL / pmax "}) {
    auto* l = new QLabel(QString::fromLatin1(caption), this);
    l->setTextFormat(Qt::PlainText);
    content()->addWidget(l);
  }
  chain_tab_order({tn, tmax, tmax_default, ka, ka_default, ka_picture, klambda, klambda_default, kr, kr_default, mb,
                   mb_default, fw, fw_default, fw_picture, fl[0], fl[1], fl[2], fl_default, fl_picture});
  without_picture_button();
  add_unit_button(QStringLiteral("Nm <--> lb-in"));
}

bool edit_loads(ProgramState& state, const DialogHelp& help, QWidget* parent) {
  Form_vx3last d(state, help, parent);
  return d.run();
}

}  // namespace vx11
