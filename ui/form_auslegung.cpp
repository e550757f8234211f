#include "ui/form_auslegung.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

#include "calc/diameter_sweep.h"
#include "calc/rating.h"
#include "base/help_numbers.h"
#include "project/program_state.h"
#include "base/format.h"
#include "base/text.h"
#include "ui/design_grids.h"

namespace vx11 {

namespace {

QLineEdit* short_edit(const char* name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setFixedWidth(e->fontMetrics().averageCharWidth() * 10);
  return e;
}

QLabel* value_label(const char* name, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

QString trimmed(const std::string& text) { return QString::fromStdString(trimBlanks(text)); }

}  // namespace

Form_auslegung::Form_auslegung(ProgramState& state, const DialogHelp& help, QWidget* parent)
    : InputDialog(state, QStringLiteral("Auslegungshilfe"), kHelpDesignAid, help, parent),
      basis_(new QLabel(this)),
      seq_(short_edit("Edit_seq", this)),
      smax_(short_edit("Edit_smax", this)),
      torque_note_(new QLabel(this)),
      keys_(key_search_grid(this)),
      d_from_(short_edit("Edit_dvon", this)),
      d_to_(short_edit("Edit_dbis", this)),
      d_units_{new QLabel(this), new QLabel(this)},
      sweep_(sweep_grid(this)) {
  setObjectName("Form_auslegung");
  basis_->setObjectName("Label_basis");
  content()->addWidget(basis_);

  auto* top = new QHBoxLayout;
  auto* target_box = new QGroupBox(QStringLiteral(" Zielsicherheiten "), this);
  auto* target_grid = new QGridLayout(target_box);
  grid_row(target_grid, 0, QStringLiteral("S eq = plim * fW / peq"), seq_, {default_button(seq_, QStringLiteral("1.0"))});
  grid_row(target_grid, 1, QStringLiteral("S max = plim * fL / pmax"), smax_,
           {default_button(smax_, QStringLiteral("1.0"))});
  top->addWidget(target_box);

  auto* torque_box = new QGroupBox(QStringLiteral(" Zulässige Drehmomente "), this);
  auto* torque_grid = new QGridLayout(torque_box);
  const char* labels[] = {"Nenndrehmoment TN zul", "Maximales Drehmoment Tmax zul", "Tmax bei tau max / Re = 0.7"};
  const char* names[3][3] = {{"Label_tnperm", "Label_tnpermu", "Label_tnpermteil"},
                             {"Label_tmaxperm", "Label_tmaxpermu", "Label_tmaxpermteil"},
                             {"Label_tmaxtau", "Label_tmaxtauu", "Label_tmaxtauteil"}};
  for (int i = 0; i < 3; ++i) {
    torque_grid->addWidget(new QLabel(QString::fromUtf8(labels[i]), torque_box), i, 0);
    for (int j = 0; j < 3; ++j) {
      torques_[i][j] = j == 0 ? value_label(names[i][j], torque_box) : new QLabel(torque_box);
      torques_[i][j]->setObjectName(names[i][j]);
      torque_grid->addWidget(torques_[i][j], i, j + 1);
    }
  }
  torque_note_->setObjectName("Label_fatal");
  torque_note_->setWordWrap(true);
  torque_grid->addWidget(torque_note_, 3, 0, 1, 4);
  torque_grid->setColumnStretch(3, 1);
  top->addWidget(torque_box, 1);
  content()->addLayout(top);

  auto* key_box = new QGroupBox(QStringLiteral(" Scheibenfedern nach DIN 6888 für d und die Lasten "), this);
  auto* key_column = new QVBoxLayout(key_box);
  key_column->addWidget(keys_);
  keys_->setMinimumSize(keys_->fontMetrics().averageCharWidth() * 150, keys_->fontMetrics().height() * 22);
  content()->addWidget(key_box, 2);

  auto* sweep_box = new QGroupBox(QStringLiteral(" Vorschlag je Vorzugsdurchmesser "), this);
  auto* sweep_column = new QVBoxLayout(sweep_box);
  auto* range = new QHBoxLayout;
  auto* from_label = new QLabel(QStringLiteral("Wellendurchmesser von"), sweep_box);
  from_label->setBuddy(d_from_);
  auto* to_label = new QLabel(QStringLiteral("bis"), sweep_box);
  to_label->setBuddy(d_to_);
  for (QWidget* w : {static_cast<QWidget*>(from_label), static_cast<QWidget*>(d_from_),
                     static_cast<QWidget*>(d_units_[0]), static_cast<QWidget*>(to_label),
                     static_cast<QWidget*>(d_to_), static_cast<QWidget*>(d_units_[1])})
    range->addWidget(w);
  range->addStretch();
  sweep_column->addLayout(range);
  sweep_->setMinimumHeight(sweep_->fontMetrics().height() * 10);
  sweep_column->addWidget(sweep_);
  content()->addWidget(sweep_box, 1);

  for (QLineEdit* e : {seq_, smax_})
    connect(e, &QLineEdit::textChanged, this, [this] {
      if (!filling_) recompute();
    });
  for (QLineEdit* e : {d_from_, d_to_})
    connect(e, &QLineEdit::textChanged, this, [this] {
      if (!filling_) show_sweep();
    });
  connect(keys_, &QTableWidget::itemSelectionChanged, this, [this] { enable_take_over(); });
  without_picture_button();
  set_ok_caption(QStringLiteral("Übernehmen"));
  chain_tab_order({seq_, smax_, keys_, d_from_, d_to_, sweep_});
}

std::optional<DesignTargets> Form_auslegung::targets() const {
  const DesignTargets t{parseReal(seq_->text().trimmed().toStdString()), parseReal(smax_->text().trimmed().toStdString())};
  if (!(t.seq > 0) || !(t.smax > 0)) return std::nullopt;
  return t;
}

void Form_auslegung::fill_extra() {
  filling_ = true;
  if (seq_->text().isEmpty()) seq_->setText(QStringLiteral("1.0"));
  if (smax_->text().isEmpty()) smax_->setText(QStringLiteral("1.0"));
  // The sweep runs from about two thirds to one and a half times the diameter, in display units.
  const Real d = working().shaft_diameter_d;
  d_from_->setText(trimmed(fmtLength(format(), std::floor(d * 2 / 3))));
  d_to_->setText(trimmed(fmtLength(format(), std::ceil(d * 3 / 2))));
  for (QLabel* u : d_units_) u->setText(shown(unitLength(format())));
  filling_ = false;
  if (!rows_) {
    // A table that cannot be read is reported once here, not again at every keystroke.
    ConnectionRecord scratch = working();
    MessageList messages;
    CalcContext ctx{scratch, messages, format(), state().tables, state().ui, state().help_number};
    rows_ = read_key_table(ctx);
    scratch.cancelled = false;
    series_ = shaft_series_between(ctx, 0, std::numeric_limits<Real>::max());
  }
  recompute();
}

void Form_auslegung::recompute() {
  show_basis();
  if (!rows_) {
    torque_note_->setText(QStringLiteral("Die Tabelle din6888 ist nicht lesbar."));
    return;
  }
  // The inputs rated as they stand, on a copy: the program's record and messages stay as they are.
  rated_ = working();
  rated_.cancelled = false;
  CalcContext ctx{rated_, rated_messages_, format(), state().tables, state().ui, state().help_number};
  run_rating(ctx);
  const std::optional<DesignTargets> t = targets();
  show_torques(t);
  ranked_.clear();
  if (t) ranked_ = search_keys(working(), *rows_, format(), *t);
  show_keys();
  show_sweep();
}

void Form_auslegung::show_basis() {
  const ConnectionRecord& r = working();
  const FormatSettings& f = format();
  std::string text = "d = " + trimBlanks(fmtLength(f, r.shaft_diameter_d)) + " " + unitLength(f) +
                     ",  TN = " + trimBlanks(fmtTorque(f, r.nominal_torque_tn)) + " " + unitTorque(f) +
                     ",  Tmax = " + trimBlanks(fmtTorque(f, r.max_torque_tmax)) + " " + unitTorque(f) +
                     ",  KA = " + fmtSig(f, r.application_factor_ka);
  if (r.key_row_number != 0)
    text += ",  Scheibenfeder " + key_size_text(f, r.key_row) + " Reihe " + series_letter(r.key_series) + ", " +
            std::to_string(r.key_count) + " Scheibenfeder";
  basis_->setText(shown(text));
}

void Form_auslegung::show_torques(const std::optional<DesignTargets>& t) {
  for (auto& row : torques_)
    for (QLabel* l : row) l->clear();
  torque_note_->clear();
  if (!t) {
    torque_note_->setText(QStringLiteral("Zielsicherheiten größer als 0 eingeben."));
    return;
  }
  const PermissibleTorques p = permissible_torques(rated_, rated_messages_, *t);
  if (!p.rated) {
    const std::string why = p.fatal_message.empty() ? first_fatal_message(rated_messages_) : p.fatal_message;
    torque_note_->setText(why.empty() ? QStringLiteral("Die Berechnung ist nicht gelaufen.") : shown(why));
    return;
  }
  const auto put = [this](int i, Real nm, int part) {
    torques_[i][0]->setText(trimmed(fmtTorque(format(), nm)));
    torques_[i][1]->setText(shown(unitTorque(format())));
    torques_[i][2]->setText(QStringLiteral("(") + shown(kPartNames[static_cast<std::size_t>(part)]) + ")");
  };
  put(0, p.tn_perm.value, p.tn_perm.part);
  put(1, p.tmax_perm.value, p.tmax_perm.part);
  if (p.tmax_tau)
    put(2, *p.tmax_tau, kShaft);
  else
    torques_[2][0]->setText(QStringLiteral("-"));
}

void Form_auslegung::show_keys() {
  fill_key_search_grid(keys_, ranked_, format());
  // The proposal is chosen to begin with; without one the person picks a row.
  const KeyVariant* proposal = key_proposal(ranked_);
  keys_->clearSelection();
  if (proposal) keys_->selectRow(row_of_variant(keys_, 0));
  enable_take_over();
}

void Form_auslegung::show_sweep() {
  std::vector<SweepStep> steps;
  const std::optional<DesignTargets> t = targets();
  if (t && rows_ && series_) {
    const Real from = lengthToMetric(format(), parseReal(d_from_->text().trimmed().toStdString()));
    const Real to = lengthToMetric(format(), parseReal(d_to_->text().trimmed().toStdString()));
    std::vector<Real> diameters;
    for (const Real d : *series_)
      if (d >= from && d <= to) diameters.push_back(d);
    steps = sweep_diameters(working(), *rows_, diameters, format(), *t);
  }
  fill_sweep_grid(sweep_, steps, format());
}

const KeyVariant* Form_auslegung::chosen() const {
  const QList<QTableWidgetItem*> selected = keys_->selectedItems();
  if (selected.isEmpty()) return nullptr;
  const int index = variant_of_row(keys_, selected.front()->row());
  return index >= 0 && index < static_cast<int>(ranked_.size()) ? &ranked_[static_cast<std::size_t>(index)] : nullptr;
}

void Form_auslegung::enable_take_over() {
  if (auto* ok = findChild<QPushButton*>("Button_ok")) ok->setEnabled(chosen() != nullptr);
}

bool Form_auslegung::confirm() {
  const KeyVariant* v = chosen();
  if (!v) return false;
  ConnectionRecord& r = work();
  r.key_row = v->key;
  r.key_row_number = v->row;
  r.key_series = static_cast<std::int16_t>(v->series);
  r.key_count = static_cast<std::int16_t>(v->key_count);
  return true;
}

bool edit_design(ProgramState& state, const DialogHelp& help, QWidget* parent) {
  Form_auslegung d(state, help, parent);
  return d.run();
}

}  // namespace vx11
