#include "ui/dialog_widgets.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vx11 {

QPushButton* side_button(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

QGroupBox* radio_group(const char* name, const QString& title, const QStringList& items, int checked,
                       QButtonGroup*& group, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  auto* col = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], box);
    group->addButton(b, i);
    col->addWidget(b);
  }
  if (QAbstractButton* b = group->button(checked)) b->setChecked(true);
  return box;
}

}  // namespace vx11
