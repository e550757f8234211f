#include "ui/bound_number.h"

#include <QLineEdit>

#include "base/format.h"

namespace vx11 {

void BoundNumber::fill() {
  filled_value = get();
  filled = show(filled_value);
  edit->setText(filled);
}

void BoundNumber::store() {
  set(edit->text() == filled ? filled_value : to_stored(typed_number(edit)));
}

Real typed_number(const QLineEdit* edit) { return parseReal(edit->text().trimmed().toStdString()); }

}  // namespace vx11
