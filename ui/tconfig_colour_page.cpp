// The page "Farben": layer and line thickness of the sixteen colours.
#include "ui/tconfig.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/format.h"

namespace vx11 {

QWidget* Tconfig::colour_page() {
  auto* page = new QWidget(this);
  auto* outer = new QVBoxLayout(page);
  colours_ = new QTableWidget(16, 2, this);
  colours_->setObjectName("StringGrid_colour");
  colours_->setHorizontalHeaderLabels({QStringLiteral("Color Layer"), QStringLiteral("Strichstärke")});
  for (int r = 0; r < 16; ++r) colours_->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 16)));
  colours_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  fills_.push_back([this] {
    for (int r = 0; r < 16; ++r) {
      const auto i = static_cast<std::size_t>(r);
      colours_->setItem(r, 0, new QTableWidgetItem(QString::number(work_.colour_layer[i])));
      colours_->setItem(r, 1, new QTableWidgetItem(QString::number(work_.line_thickness_16[i])));
    }
  });
  stores_.push_back([this] {
    for (int r = 0; r < 16; ++r) {
      const auto i = static_cast<std::size_t>(r);
      work_.colour_layer[i] = static_cast<int>(parseInt(colours_->item(r, 0)->text().trimmed().toStdString()));
      work_.line_thickness_16[i] = static_cast<int>(parseInt(colours_->item(r, 1)->text().trimmed().toStdString()));
    }
  });
  outer->addWidget(colours_);
  auto* row = new QHBoxLayout;
  for (int t = 1; t <= 3; ++t) {
    auto* b = new QPushButton(QStringLiteral("Strichstärke %1").arg(t), this);
    b->setObjectName(QStringLiteral("Button_thickness%1").arg(t));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, t] {
      for (int r = 0; r < 16; ++r) colours_->item(r, 1)->setText(QString::number(t));
    });
    row->addWidget(b);
  }
  outer->addLayout(row);
  return page;
}

}  // namespace vx11
