// The binding helpers of the configuration pages: each control is filled from the working copy
// and stored back into it by the closures it leaves in fills_, stores_ and numbers_.
#include "ui/tconfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

#include "base/format.h"
#include "base/text.h"
#include "project/program_state.h"
#include "ui/dialog_widgets.h"
#include "ui/tconfig_pages.h"

namespace vx11 {

QPushButton* config_small_button(const QString& caption, QWidget* parent) {
  auto* b = side_button(caption, QString(), parent);
  b->setFixedWidth(b->fontMetrics().horizontalAdvance(caption) + 24);
  return b;
}

QString config_number_text(const FormatSettings& s, Real x) { return QString::fromStdString(trimBlanks(fmtSig(s, x))); }

QWidget* Tconfig::two_columns(QFormLayout*& left, QFormLayout*& right) {
  auto* page = new QWidget(this);
  auto* columns = new QHBoxLayout(page);
  left = new QFormLayout;
  right = new QFormLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  return page;
}

QString Tconfig::shown(const std::string& cp850) const {
  return QString::fromStdString(toWindows(state_.format, cp850));
}
std::string Tconfig::typed(const QString& text) const { return toCodePage850(text.toStdString()); }

QPushButton* Tconfig::proposal_button(QLineEdit* edit, std::function<QString()> text) {
  auto* b = config_small_button(QStringLiteral("<"), this);
  b->setObjectName(QStringLiteral("Button_default_") + edit->objectName());
  connect(b, &QPushButton::clicked, this, [edit, text = std::move(text)] { edit->setText(text()); });
  return b;
}

QWidget* Tconfig::with_beside(QWidget* main, std::initializer_list<QWidget*> beside) {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  // A narrow number edit keeps its buttons beside it; a wide text edit takes the room.
  const bool narrow = main->maximumWidth() < QWIDGETSIZE_MAX;
  row->addWidget(main, narrow ? 0 : 1);
  for (QWidget* w : beside) row->addWidget(w);
  if (narrow) row->addStretch();
  return box;
}

QLineEdit* Tconfig::text_row(QFormLayout* form, const QString& label, const char* name, std::string& field,
                             QWidget* beside, std::function<QString()> proposal, bool is_name) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 30);
  std::string* f = &field;
  if (is_name) {
    fills_.push_back([e, f] { e->setText(QString::fromStdString(*f)); });
    stores_.push_back([e, f] { *f = e->text().toStdString(); });
  } else {
    fills_.push_back([this, e, f] { e->setText(shown(*f)); });
    stores_.push_back([this, e, f] { *f = typed(e->text()); });
  }
  QWidget* p = proposal ? proposal_button(e, std::move(proposal)) : nullptr;
  if (p && beside) form->addRow(label, with_beside(e, {p, beside}));
  else if (p || beside) form->addRow(label, with_beside(e, {p ? p : beside}));
  else form->addRow(label, e);
  return e;
}

QLineEdit* Tconfig::folder_row(QFormLayout* form, const QString& label, const char* name, std::string& field,
                               std::function<QString()> proposal) {
  auto* browse = config_small_button(QStringLiteral("..."), this);
  browse->setObjectName(QStringLiteral("Button_browse_") + name);
  auto* e = text_row(form, label, name, field, browse, std::move(proposal), true);
  connect(browse, &QPushButton::clicked, this, [this, e] {
    if (!pickers_.folder) return;
    if (auto f = pickers_.folder(e->text())) e->setText(*f);
  });
  return e;
}

QLineEdit* Tconfig::real_row(QFormLayout* form, const QString& label, const char* name, Real& field,
                             std::optional<QString> proposal, Real factor) {
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setMaximumWidth(e->fontMetrics().averageCharWidth() * 14);
  Real* f = &field;
  numbers_.push_back({e, [f] { return *f; }, [f](Real v) { *f = v; },
                      [this, factor](Real v) {
                        // Converted values are shown without the last bits of the conversion.
                        const Real x = factor == 1 ? v : std::round(v / factor * 1e9L) / 1e9L;
                        return config_number_text(state_.format, x);
                      },
                      [factor](Real v) { return v * factor; }, {}, 0});
  QWidget* w = e;
  if (proposal) {
    const QString p = *proposal;
    w = with_beside(e, {proposal_button(e, [p] { return p; })});
  }
  form->addRow(label, w);
  return e;
}

QLineEdit* Tconfig::int_row(QFormLayout* form, const QString& label, const char* name, int& field,
                            std::function<QString()> proposal, int shown_offset) {
  int* f = &field;
  auto* e = new QLineEdit(this);
  e->setObjectName(name);
  e->setMaximumWidth(e->fontMetrics().averageCharWidth() * 14);
  numbers_.push_back({e, [f] { return static_cast<Real>(*f); }, [f](Real v) { *f = static_cast<int>(std::lround(v)); },
                      [shown_offset](Real v) { return QString::number(static_cast<long long>(v) + shown_offset); },
                      [shown_offset](Real v) { return v - shown_offset; }, {}, 0});
  form->addRow(label, proposal ? with_beside(e, {proposal_button(e, std::move(proposal))}) : e);
  return e;
}

QComboBox* Tconfig::choice_row(QFormLayout* form, const QString& label, const char* name, const QStringList& items,
                               int& field, int first_value) {
  auto* c = new QComboBox(this);
  c->setObjectName(name);
  c->addItems(items);
  int* f = &field;
  fills_.push_back([c, f, first_value] {
    const int i = *f - first_value;
    c->setCurrentIndex(i >= 0 && i < c->count() ? i : 0);
  });
  stores_.push_back([c, f, first_value] { *f = c->currentIndex() + first_value; });
  form->addRow(label, c);
  return c;
}

QComboBox* Tconfig::choice_row(QFormLayout* form, const QString& label, const char* name, const QStringList& items,
                               bool& field) {
  auto* c = new QComboBox(this);
  c->setObjectName(name);
  c->addItems(items);
  bool* f = &field;
  fills_.push_back([c, f] { c->setCurrentIndex(*f ? 0 : 1); });
  stores_.push_back([c, f] { *f = c->currentIndex() == 0; });
  form->addRow(label, c);
  return c;
}

QCheckBox* Tconfig::check(QFormLayout* form, const QString& label, const char* name, bool& field, bool inverted) {
  auto* c = new QCheckBox(label, this);
  c->setObjectName(name);
  bool* f = &field;
  fills_.push_back([c, f, inverted] { c->setChecked(*f != inverted); });
  stores_.push_back([c, f, inverted] { *f = c->isChecked() != inverted; });
  form->addRow(c);
  return c;
}

}  // namespace vx11
