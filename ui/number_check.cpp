#include "ui/number_check.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

#include <cmath>

#include "base/interaction.h"
#include "report/number_input.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr const char* kNotANumber = "vx11_not_a_number";
constexpr const char* kOwnTooltip = "vx11_own_tooltip";

void show_mark(QLineEdit* edit) {
  const bool wrong = !field_number(edit);
  const QVariant was = edit->property(kNotANumber);
  if (was.isValid() && was.toBool() == wrong) return;
  edit->setProperty(kNotANumber, wrong);
  QPalette p = edit->parentWidget() ? edit->parentWidget()->palette() : QPalette();
  const QString notice = QStringLiteral("Keine Zahl");
  if (wrong) {
    p.setColor(QPalette::Base, QColor(255, 220, 220));
    p.setColor(QPalette::Text, QColor(170, 0, 0));
    // The field's own tooltip (its help text) comes back with a number.
    edit->setProperty(kOwnTooltip, edit->toolTip());
    edit->setToolTip(notice);
  } else if (edit->toolTip() == notice) {
    edit->setToolTip(edit->property(kOwnTooltip).toString());
  }
  edit->setPalette(p);
}

std::string range_text(NumberRange range) {
  switch (range) {
    case NumberRange::Positive: return "> 0 .. 1e12";
    case NumberRange::NotNegative: return "0 .. 1e12";
    case NumberRange::Any: break;
  }
  return "-1e12 .. 1e12";
}

// A field on a page of a tab widget is shown before it takes the focus.
void bring_forward(QLineEdit* edit) {
  for (QWidget* w = edit; w && w->parentWidget(); w = w->parentWidget()) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr) tabs->setCurrentWidget(w);
  }
}

}  // namespace

std::optional<Real> field_number(const QLineEdit* edit) { return readReal(edit->text().toStdString()); }

void mark_number_field(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { show_mark(edit); });
  // An edit that already holds a text shows its state at once; an empty one when it is filled.
  if (!edit->text().isEmpty()) show_mark(edit);
}

std::optional<std::string> range_error(Real value, NumberRange range) {
  const bool below = (range == NumberRange::Positive && value <= 0) || (range == NumberRange::NotNegative && value < 0);
  if (!below && std::fabs(value) <= kLargestInput) return std::nullopt;
  return "G\x81ltiger Wertebereich: " + range_text(range) + " !";
}

bool check_number_fields(const std::vector<NumberField>& fields, Interaction& ui) {
  for (const NumberField& f : fields) {
    const auto value = field_number(f.edit);
    std::optional<std::string> error;
    if (!value)
      error = "Ung\x81ltige Eingabe \"" + toCodePage850(f.edit->text().toStdString()) + "\" !";
    else
      error = range_error(*value, f.range);
    if (!error) continue;
    ui.message(kCaptionError, toCodePage850(f.name.toStdString()) + "\n" + *error);
    bring_forward(f.edit);
    f.edit->setFocus();
    f.edit->selectAll();
    return false;
  }
  return true;
}

QString buddy_caption(const QLineEdit* edit) {
  const QWidget* window = edit->window();
  for (const QLabel* label : window->findChildren<QLabel*>())
    // A form row may hold the edit inside a container with its buttons.
    if (label->buddy() && (label->buddy() == edit || label->buddy()->isAncestorOf(edit))) {
      QString t = label->text();
      t.remove(u'&');
      return t.trimmed();
    }
  return edit->objectName();
}

}  // namespace vx11
