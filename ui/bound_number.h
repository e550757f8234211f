// A number edit bound to a stored value: shown through a format, read back with parseReal. An edit
// left as it was filled keeps the exact stored value, so showing never rounds what is stored.
#pragma once

#include <QString>

#include <functional>

#include "calc/connection_record.h"

class QLineEdit;

namespace vx11 {

struct BoundNumber {
  QLineEdit* edit = nullptr;
  std::function<Real()> get;
  std::function<void(Real)> set;
  std::function<QString(Real)> show;       // stored value to the text shown
  std::function<Real(Real)> to_stored;     // typed number to the stored value
  QString filled;
  Real filled_value = 0;

  void fill();
  void store();
};

// The number typed into an edit (a comma counts as a point; other text gives 0).
Real typed_number(const QLineEdit* edit);

}  // namespace vx11
