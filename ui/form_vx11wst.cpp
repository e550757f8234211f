#include "ui/form_vx11wst.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calc/key_table.h"
#include "calc/predesign.h"
#include "project/program_state.h"
#include "base/format.h"
#include "base/text.h"

namespace vx11 {

Form_vx11wst::Form_vx11wst(ProgramState& state, const DialogHelp& help, QWidget* parent)
    : MaterialDialog(state, QString::fromStdString(state.identity.title), kHelpDimensionsAndMaterials, help, parent),
      count_(new QComboBox(this)),
      series_(new QButtonGroup(this)),
      key_button_(new QPushButton(this)) {
  setObjectName("Form_vx11wst");
  ConnectionRecord& r = work();
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;

  auto* key_box = new QGroupBox(QStringLiteral("Scheibenfeder"), this);
  auto* key_grid = new QGridLayout(key_box);
  count_->setObjectName("ComboBox_anzahl");
  count_->addItems({QStringLiteral("1 Scheibenfeder"), QStringLiteral("2 Scheibenfeder")});
  key_grid->addWidget(count_, 0, 0);
  auto* series_box = new QGroupBox(QStringLiteral("Reihe"), key_box);
  series_box->setObjectName("RadioGroup_reihe");
  auto* series_row = new QHBoxLayout(series_box);
  for (int i = 0; i < 2; ++i) {
    auto* b = new QRadioButton(i == 0 ? QStringLiteral("A") : QStringLiteral("B"), series_box);
    b->setObjectName(i == 0 ? "RadioButton_a" : "RadioButton_b");
    series_->addButton(b, i);
    series_row->addWidget(b);
  }
  key_grid->addWidget(series_box, 0, 1);
  key_button_->setObjectName("Button_din6888");
  key_button_->setAutoDefault(false);
  connect(key_button_, &QPushButton::clicked, this, [this] { choose_key(); });
  key_grid->addWidget(key_button_, 1, 0, 1, 2);
  left->addWidget(key_box);

  auto* grid = new QGridLayout;
  auto* d = number_edit("Edit_d", Quantity::Length, r.shaft_diameter_d);
  auto* d_unit = unit_label([this] { return unitLength(format()); });
  // The proposal from TN and the weaker material, confirmed in the diameter series.
  auto* d_default = default_button(d, [this] {
    CalcContext ctx = work_context();
    const auto proposal = propose_dimension_diameter(ctx);
    if (!proposal) return QString();
    return QString::fromStdString(trimBlanks(fmtLength(format(), *proposal)));
  });
  grid_row(grid, 0, QStringLiteral("Wellendurchmesser d"), d, {d_unit, d_default});
  require(d, NumberRange::Positive);
  left->addLayout(grid);

  auto* fit_box = new QGroupBox(QStringLiteral("ISO-Toleranz"), this);
  auto* fit_grid = new QGridLayout(fit_box);
  auto* fit_shaft = text_edit("Edit_isoi", r.fit_shaft, limits::kFitText);
  auto* fit_hub = text_edit("Edit_isoa", r.fit_hub, limits::kFitText);
  for (QLineEdit* e : {fit_shaft, fit_hub}) e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 8);
  auto* fit_shaft_default = default_button(fit_shaft, QStringLiteral("h 6"));
  auto* fit_hub_default = default_button(fit_hub, QStringLiteral("H 7"));
  grid_row(fit_grid, 0, QStringLiteral("Welle"), fit_shaft, {fit_shaft_default});
  grid_row(fit_grid, 1, QStringLiteral("Nabe"), fit_hub, {fit_hub_default});
  left->addWidget(fit_box);

  auto* alpha_grid = new QGridLayout;
  auto* alpha = number_edit("Edit_alphakb", Quantity::Plain, r.alpha_kb);
  auto* alpha_default = default_button(alpha, QStringLiteral("5.0"));
  auto* alpha_label = new QLabel(QStringLiteral("Spannungsformzahl Biegung im Nutgrund alpha kb"), this);
  alpha_label->setBuddy(alpha);
  alpha_label->setWordWrap(true);
  require(alpha, NumberRange::Any, QStringLiteral("alpha kb"));
  alpha_grid->addWidget(alpha_label, 0, 0, 1, 3);
  alpha_grid->addWidget(alpha, 1, 0);
  alpha_grid->addWidget(alpha_default, 1, 1);
  alpha_grid->setColumnStretch(2, 1);
  left->addLayout(alpha_grid);
  left->addStretch();
  columns->addLayout(left);

  columns->addWidget(material_group(kKey, QStringLiteral(" Werkstoff Scheibenfeder "),
                                    {"Edit_ident3", "Edit_Name1", "Edit_ReL1", "Edit_fs1", "Edit_fh1", "Button_wstdbf"},
                                    QStringLiteral("Streckgrenze Re"), false),
                     0, Qt::AlignTop);
  content()->addLayout(columns);
  chain_tab_order({count_, series_->button(0), series_->button(1), key_button_, d, d_default, fit_shaft,
                   fit_shaft_default, fit_hub, fit_hub_default, alpha, alpha_default});
  setTabOrder(alpha_default, findChild<QLineEdit*>("Edit_ident3"));
  add_unit_button(QStringLiteral("mm <--> inch"));
}

void Form_vx11wst::fill_extra() {
  MaterialDialog::fill_extra();
  const ConnectionRecord& r = work();
  count_->setCurrentIndex(r.key_count == 2 ? 1 : 0);
  series_->button(r.key_series == 2 ? 1 : 0)->setChecked(true);
  const auto sig = [this](Real x) { return QString::fromStdString(trimBlanks(fmtSig(format(), x))); };
  key_button_->setText(QStringLiteral("DIN 6888 - ") + sig(r.key_row.key_width_b) + QStringLiteral(" x ") +
                       sig(r.key_row.key_height_h));
}

void Form_vx11wst::store_extra() {
  work().key_count = static_cast<std::int16_t>(count_->currentIndex() + 1);
  work().key_series = static_cast<std::int16_t>(series_->checkedId() + 1);
}

void Form_vx11wst::choose_key_if_none() {
  if (work().key_row.key_width_b > 0) return;
  CalcContext ctx = work_context();
  select_key_size(ctx, 1);
  work().cancelled = false;
  fill();
}

void Form_vx11wst::choose_key() {
  store();
  CalcContext ctx = work_context();
  select_key_size(ctx, 1);
  work().cancelled = false;
  fill();
}

bool edit_dimensions(ProgramState& state, const DialogHelp& help, QWidget* parent) {
  Form_vx11wst d(state, help, parent);
  d.prepare();
  d.choose_key_if_none();
  return d.run();
}

}  // namespace vx11
