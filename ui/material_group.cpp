#include "ui/material_group.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

#include "calc/materials.h"
#include "base/help_numbers.h"
#include "base/format.h"
#include "ui/help_tooltips.h"

namespace vx11 {

namespace {

QString table_caption(PartIndex part, const QString& number) {
  if (part == kKey) return number.isEmpty() ? QStringLiteral("Werkstoff ...") : number + QStringLiteral("  Werkstoff..");
  return number.isEmpty() ? QStringLiteral("Werkstoffdatenbank...") : number + QStringLiteral("  Werkstoffdatenbank");
}

}  // namespace

QGroupBox* MaterialDialog::material_group(PartIndex part, const QString& title, const GroupNames& names,
                                          const QString& re_label, bool plim_preview) {
  auto* box = new QGroupBox(title, this);
  auto* grid = new QGridLayout(box);
  Material& m = work().material[part];
  // The groups label stresses "N/mm²" rather than the report's "MPa".
  const auto mpa = [this] { return format().inch() ? std::string("psi") : std::string("N/mm\xFD"); };
  auto* number = text_edit(names.number, m.number, limits::kMaterialNumber);
  auto* name = text_edit(names.name, m.name, limits::kMaterialName);
  auto* re = number_edit(names.re, Quantity::Stress, [&m] { return static_cast<Real>(m.yield_re); },
                         [&m](Real v) { m.yield_re = static_cast<std::int32_t>(std::lround(v)); });
  auto* fs = number_edit(names.fs, Quantity::Plain, work().support_factor_fs[part]);
  auto* fh = number_edit(names.fh, Quantity::Plain, work().hardness_factor_fh[part]);
  auto* button = new QPushButton(this);
  button->setObjectName(names.table_button);
  button->setAutoDefault(false);
  grid_row(grid, 0, QStringLiteral("Werkstoffnummer"), number, {nullptr, button});
  grid_row(grid, 1, QStringLiteral("Werkstoffname"), name);
  grid_row(grid, 2, re_label, re, {unit_label(mpa)});
  auto* fs_default = default_button(fs, QStringLiteral("1.0"));
  auto* fh_default = default_button(fh, QStringLiteral("1.0"));
  grid_row(grid, 3, QStringLiteral("Stützfaktor fS"), fs, {fs_default});
  grid_row(grid, 4, QStringLiteral("Härteeinflußfaktor fH"), fh, {fh_default});
  for (const auto& [row, n] : {std::pair{0, kHelpMaterialNumber}, std::pair{1, kHelpMaterialName},
                               std::pair{2, kHelpYieldStress}, std::pair{3, kHelpSupportFactor},
                               std::pair{4, kHelpHardnessFactor}})
    set_row_tooltip(grid, row, dialog_help(), n);
  // The group's title names the part in the error box.
  const QString part_name = title.trimmed() + QStringLiteral(": ");
  require(re, NumberRange::NotNegative, part_name + re_label);
  require(fs, NumberRange::Positive, part_name + QStringLiteral("Stützfaktor fS"));
  require(fh, NumberRange::Positive, part_name + QStringLiteral("Härteeinflußfaktor fH"));
  chain_tab_order({number, button, name, re, fs, fs_default, fh, fh_default});
  Group g{part, button, nullptr, re, fs, fh};
  if (plim_preview) {
    g.plim = new QLabel(box);
    g.plim->setObjectName(QStringLiteral("Label_plim%1").arg(part + 1));
    grid->addWidget(g.plim, 5, 0, 1, 4);
    for (QLineEdit* e : {re, fs, fh})
      connect(e, &QLineEdit::textChanged, this, [this, g] { refresh_plim(g); });
  }
  groups_.push_back(g);
  connect(button, &QPushButton::clicked, this, [this, part] { choose(part); });
  return box;
}

void MaterialDialog::fill_extra() {
  for (const Group& g : groups_) {
    g.table_button->setText(table_caption(g.part, shown(work().material[g.part].number)));
    if (g.plim) refresh_plim(g);
  }
}

void MaterialDialog::refresh_plim(const Group& g) {
  const Real re = stressToMetric(format(), typed_number(g.re));
  g.plim->setText(shown(plim_text(format(), re, typed_number(g.fs), typed_number(g.fh))));
}

void MaterialDialog::choose(PartIndex part) {
  // The typed values (the material number among them) go into the working copy first, so the
  // table opens on the typed number and nothing typed elsewhere is lost by the refill.
  store();
  CalcContext ctx = work_context();
  choose_material(ctx, 1, part + 1);
  if (!work().cancelled) fill();
  work().cancelled = false;
}

}  // namespace vx11
