#include "ui/help_tooltips.h"

#include <QGridLayout>
#include <QLabel>

namespace vx11 {

void set_help_tooltip(QWidget* label, const DialogHelp& help, int n) {
  if (!label || !help.tooltip) return;
  const QString text = help.tooltip(n);
  if (text.isEmpty()) return;
  label->setToolTip(text);
  if (auto* l = qobject_cast<QLabel*>(label); l && l->buddy()) l->buddy()->setToolTip(text);
}

void set_row_tooltip(QGridLayout* grid, int row, const DialogHelp& help, int n) {
  if (QLayoutItem* item = grid->itemAtPosition(row, 0)) set_help_tooltip(item->widget(), help, n);
}

}  // namespace vx11
