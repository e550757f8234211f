#include "ui/input_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "project/program_state.h"
#include "base/format.h"
#include "base/text.h"
#include "ui/dialog_widgets.h"
#include "ui/screen_fit.h"

namespace vx11 {

void apply_dialog_scale(QWidget* dialog, int percent) {
  if (percent <= 0 || percent == 100) return;
  QFont f = QApplication::font(dialog);
  const qreal size = f.pointSizeF() > 0 ? f.pointSizeF() : 9.0;
  f.setPointSizeF(size * percent / 100.0);
  dialog->setFont(f);
}

InputDialog::InputDialog(ProgramState& state, const QString& caption, int help_number, const DialogHelp& help,
                         QWidget* parent)
    : QDialog(parent),
      state_(state),
      work_(state.rec),
      help_number_(help_number),
      help_(help),
      content_(new QVBoxLayout),
      buttons_(new QHBoxLayout) {
  // A flag left over from an earlier step would make the dialog's table actions give up.
  work_.cancelled = false;
  setWindowTitle(caption);
  setModal(true);
  apply_dialog_scale(this, state.config.input_window_scale);
  auto* outer = new QVBoxLayout(this);
  // The controls scroll where the screen is too small for the whole dialog; the buttons stay.
  auto* controls = new QWidget(this);
  controls->setLayout(content_);
  content_->setContentsMargins(0, 0, 0, 0);
  const int button_row = fontMetrics().height() * 3;
  outer->addWidget(screen_sized_area(controls, this, QSize(24, button_row + 24)));
  outer->addLayout(buttons_);
}

void InputDialog::prepare() {
  state_.help_number = help_number_;
  if (!buttons_->isEmpty()) {
    fill();
    return;
  }
  // The buttons come last so that they close the tab order after the dialog's own controls.
  auto* ok = side_button(ok_caption_, "Button_ok", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { ok_clicked(); });
  auto* cancel = side_button(QStringLiteral("Abbrechen"), "Button_cancel", this);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* text = side_button(QStringLiteral("&Hilfe"), "Button_help", this);
  text->setEnabled(static_cast<bool>(help_.text));
  connect(text, &QPushButton::clicked, this, [this] { show_help(help_.text, help_number_); });
  for (QPushButton* b : {ok, cancel, text}) buttons_->addWidget(b);
  if (picture_button_) {
    auto* picture = side_button(QStringLiteral("Hilfe&bild"), "Button_helppicture", this);
    picture->setEnabled(static_cast<bool>(help_.picture));
    connect(picture, &QPushButton::clicked, this, [this] { show_help(help_.picture, help_number_); });
    buttons_->addWidget(picture);
  }
  if (!unit_caption_.isEmpty()) {
    auto* b = side_button(unit_caption_, "Button_metric", this);
    connect(b, &QPushButton::clicked, this, [this] { switch_units(); });
    buttons_->addWidget(b);
  }
  fill();
}

void InputDialog::switch_units() {
  store();
  const int system = state_.format.inch() ? 0 : 1;
  state_.format.unit_system = system;
  state_.config.unit_system = system;
  fill();
}

bool InputDialog::run() {
  prepare();
  const bool ok = exec() == QDialog::Accepted;
  if (ok) {
    state_.rec = work_;
    state_.rec.cancelled = false;
  } else {
    state_.rec.cancelled = true;
  }
  return ok;
}

void InputDialog::ok_clicked() {
  if (!numbers_acceptable()) return;
  store();
  if (confirm()) accept();
}

void InputDialog::require(QLineEdit* edit, NumberRange range, const QString& name) {
  for (NumberField& r : rules_)
    if (r.edit == edit) {
      r.range = range;
      if (!name.isEmpty()) r.name = name;
      return;
    }
  rules_.push_back({edit, name, range});
  // Edits of a dialog's own (not bound to a field) are marked here.
  if (std::none_of(numbers_.begin(), numbers_.end(), [edit](const BoundNumber& n) { return n.edit == edit; }))
    mark_number_field(edit);
}

bool InputDialog::numbers_acceptable() {
  std::vector<NumberField> fields;
  const auto rule_of = [this](QLineEdit* edit) {
    for (const NumberField& r : rules_)
      if (r.edit == edit) return r;
    return NumberField{edit, {}, NumberRange::Any};
  };
  for (const BoundNumber& n : numbers_) fields.push_back(rule_of(n.edit));
  for (const NumberField& r : rules_)
    if (std::none_of(fields.begin(), fields.end(), [&r](const NumberField& f) { return f.edit == r.edit; }))
      fields.push_back(r);
  for (NumberField& f : fields)
    if (f.name.isEmpty()) f.name = buddy_caption(f.edit);
  return check_number_fields(fields, state_.ui);
}

CalcContext InputDialog::work_context() {
  return CalcContext{work_, state_.messages, state_.format, state_.tables, state_.ui, state_.help_number};
}

const FormatSettings& InputDialog::format() const { return state_.format; }

QString InputDialog::shown(const std::string& cp850) const {
  return QString::fromStdString(toWindows(state_.format, cp850));
}

std::string InputDialog::typed(const QString& text, std::size_t max_length) const {
  return cut_text(toCodePage850(text.toStdString()), max_length);
}

QString InputDialog::number_text(Quantity q, Real metric) const {
  const FormatSettings& s = state_.format;
  std::string t;
  switch (q) {
    case Quantity::Plain: t = fmtSig(s, metric); break;
    case Quantity::Length: t = fmtLength(s, metric); break;
    case Quantity::Torque: t = fmtTorque(s, metric); break;
    case Quantity::Stress: t = fmtStressSig(s, metric); break;
  }
  return QString::fromStdString(trimBlanks(t));
}

Real InputDialog::to_metric(Quantity q, Real shown) const {
  const FormatSettings& s = state_.format;
  switch (q) {
    case Quantity::Plain: return shown;
    case Quantity::Length: return lengthToMetric(s, shown);
    case Quantity::Torque: return torqueToMetric(s, shown);
    case Quantity::Stress: return stressToMetric(s, shown);
  }
  return shown;
}

void InputDialog::fill() {
  for (auto& n : numbers_) n.fill();
  for (auto& t : texts_) t.edit->setText(shown(*t.field));
  for (auto& u : units_) u.label->setText(shown(u.unit()));
  fill_extra();
}

void InputDialog::store() {
  for (auto& n : numbers_) n.store();
  for (auto& t : texts_) *t.field = typed(t.edit->text(), t.max_length);
  store_extra();
}

QLineEdit* InputDialog::number_edit(const char* name, Quantity q, std::function<Real()> get,
                                    std::function<void(Real)> set) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 12);
  mark_number_field(e);
  numbers_.push_back({e, std::move(get), std::move(set), [this, q](Real v) { return number_text(q, v); },
                      [this, q](Real v) { return to_metric(q, v); }, {}, 0});
  return e;
}

QLineEdit* InputDialog::number_edit(const char* name, Quantity q, Real& field) {
  Real* f = &field;
  return number_edit(name, q, [f] { return *f; }, [f](Real v) { *f = v; });
}

QLineEdit* InputDialog::text_edit(const char* name, std::string& field, std::size_t max_length) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setMaxLength(static_cast<int>(max_length));
  e->setMinimumWidth(e->fontMetrics().averageCharWidth() * static_cast<int>(std::min<std::size_t>(max_length + 2, 40)));
  texts_.push_back({e, &field, max_length});
  return e;
}

QPushButton* InputDialog::default_button(QLineEdit* edit, std::function<QString()> text) {
  auto* b = side_button(QStringLiteral("<"), QStringLiteral("Button_default_") + edit->objectName(), this);
  b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<")) * 4 + 8);
  connect(b, &QPushButton::clicked, this, [edit, text = std::move(text)] {
    const QString t = text();
    // An empty answer (a refused proposal) leaves the edit alone.
    if (!t.isNull()) edit->setText(t);
  });
  return b;
}

QPushButton* InputDialog::default_button(QLineEdit* edit, const QString& text) {
  return default_button(edit, [text] { return text; });
}

QLabel* InputDialog::unit_label(std::function<std::string()> unit) {
  auto* l = new QLabel(this);
  units_.push_back({l, std::move(unit)});
  return l;
}

void InputDialog::add_unit_button(const QString& caption) { unit_caption_ = caption; }

QPushButton* InputDialog::picture_button(const char* name, const QString& caption, int help_number) {
  auto* b = side_button(caption, name, this);
  b->setEnabled(static_cast<bool>(help_.picture));
  connect(b, &QPushButton::clicked, this, [this, help_number] { show_help(help_.picture, help_number); });
  return b;
}

void InputDialog::show_help(const std::function<void()>& action, int help_number) {
  if (!action) return;
  state_.help_number = help_number;
  action();
  state_.help_number = help_number_;
  // The help picture may have set the abort flag; the dialog carries on.
  state_.rec.cancelled = false;
  work_.cancelled = false;
  raise();
  activateWindow();
}

void InputDialog::chain_tab_order(std::initializer_list<QWidget*> widgets) {
  QWidget* previous = nullptr;
  for (QWidget* w : widgets) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

void InputDialog::grid_row(QGridLayout* grid, int row, const QString& label, QWidget* edit,
                           std::initializer_list<QWidget*> after) {
  auto* l = new QLabel(label, edit->parentWidget());
  l->setBuddy(edit);
  grid->addWidget(l, row, 0);
  grid->addWidget(edit, row, 1);
  int col = 2;
  for (QWidget* w : after)
    if (w) grid->addWidget(w, row, col++);
    else ++col;
}

}  // namespace vx11
