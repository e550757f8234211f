#include "ui/dialog_widgets.h"

#include <QPushButton>

namespace vx11 {

QPushButton* side_button(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace vx11
