#include "ui/form_vx11pre.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/materials.h"
#include "project/program_state.h"
#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {

QLineEdit* plain_edit(const char* name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 12);
  return e;
}

}  // namespace

Form_vx11pre::Form_vx11pre(ProgramState& state, const DialogHelp& help, QWidget* parent)
    : InputDialog(state, QStringLiteral("Vorauslegung"), kHelpDimensionsAndMaterials, help, parent),
      tn_(plain_edit("Edit_tnenn", this)),
      ka_(plain_edit("Edit_ka", this)),
      d_(plain_edit("Edit_d", this)),
      material_{new QPushButton(this), new QPushButton(this)} {
  setObjectName("Form_vx11pre");
  auto* grid = new QGridLayout;
  auto* tn_unit = unit_label([this] { return unitTorque(format()); });
  tn_unit->setObjectName("Label_tnennu");
  grid_row(grid, 0, QStringLiteral("Nenndrehmoment TN"), tn_, {tn_unit});
  const char* names[] = {"Button_mat1", "Button_mat2"};
  const char* labels[] = {"Werkstoff Welle", "Werkstoff Nabe"};
  for (int p = 0; p < 2; ++p) {
    material_[p]->setObjectName(names[p]);
    material_[p]->setAutoDefault(false);
    const auto part = static_cast<PartIndex>(p);
    connect(material_[p], &QPushButton::clicked, this, [this, part] { choose(part); });
    grid->addWidget(new QLabel(QString::fromLatin1(labels[p]), this), p + 1, 0);
    grid->addWidget(material_[p], p + 1, 1, 1, 3);
  }
  auto* ka_default = default_button(ka_, QStringLiteral("1.0"));
  grid_row(grid, 3, QStringLiteral("Anwendungsfaktor KA"), ka_, {nullptr, ka_default});
  auto* d_unit = unit_label([this] { return unitLength(format()); });
  d_unit->setObjectName("Label_du");
  auto* d_default = default_button(d_, [this] { return propose(); });
  grid_row(grid, 4, QStringLiteral("Wellendurchmesser d"), d_, {d_unit, d_default});
  content()->addLayout(grid);
  require(tn_, NumberRange::Positive);
  require(ka_, NumberRange::Positive);
  require(d_, NumberRange::Positive);
  chain_tab_order({tn_, material_[0], material_[1], ka_, ka_default, d_, d_default});
  without_picture_button();
  add_unit_button(QStringLiteral("mm <--> inch"));
}

PredesignEdits Form_vx11pre::edits() const {
  return {tn_->text().trimmed().toStdString(), ka_->text().trimmed().toStdString(), d_->text().trimmed().toStdString()};
}

void Form_vx11pre::fill_extra() {
  const ConnectionRecord& r = working();
  const auto text = [](const std::string& t) { return QString::fromStdString(trimBlanks(t)); };
  tn_->setText(text(fmtTorque(format(), r.nominal_torque_tn)));
  ka_->setText(text(fmtSig(format(), r.application_factor_ka)));
  d_->setText(text(fmtLength(format(), r.shaft_diameter_d)));
  for (int p = 0; p < 2; ++p) material_[p]->setText(shown(r.material[static_cast<std::size_t>(p)].name));
}

void Form_vx11pre::store_extra() { store_predesign_edits(work(), format(), edits()); }

void Form_vx11pre::choose(PartIndex part) {
  CalcContext ctx = work_context();
  choose_material(ctx, 1, part + 1);
  if (!work().cancelled) material_[part]->setText(shown(work().material[part].name));
  work().cancelled = false;
}

QString Form_vx11pre::propose() {
  CalcContext ctx = work_context();
  const auto d = propose_predesign_diameter(ctx, edits());
  if (!d) return {};
  return QString::fromStdString(trimBlanks(fmtLength(format(), *d)));
}

bool Form_vx11pre::confirm() {
  CalcContext ctx = work_context();
  return confirm_predesign(ctx, edits());
}

bool edit_predesign(ProgramState& state, const DialogHelp& help, QWidget* parent) {
  prepare_predesign(state.rec);
  Form_vx11pre d(state, help, parent);
  return d.run();
}

}  // namespace vx11
