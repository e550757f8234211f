// The page "CAD": the five named layers and the text of the CAD output.
#include "ui/tconfig.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/format.h"
#include "ui/tconfig_pages.h"

namespace vx11 {

namespace {

// Defaults of the five named CAD layers, restored by their "<" buttons.
const Configuration kDefaults{};

}  // namespace

QWidget* Tconfig::cad_page() {
  auto* page = new QWidget(this);
  auto* outer = new QVBoxLayout(page);
  layers_ = new QTableWidget(5, 4, this);
  layers_->setObjectName("StringGrid_layer");
  layers_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Farbe"), QStringLiteral("Strichstärke"), {}});
  for (int r = 0; r < 5; ++r) {
    layers_->setVerticalHeaderItem(r, new QTableWidgetItem(QStringLiteral("Layer %1").arg(r + 1)));
    auto* b = config_small_button(QStringLiteral("<"), this);
    b->setObjectName(QStringLiteral("Button_layer%1").arg(r + 1));
    connect(b, &QPushButton::clicked, this, [this, r] {
      const auto i = static_cast<std::size_t>(r);
      layers_->item(r, 0)->setText(QString::fromStdString(kDefaults.layer_name[i]));
      layers_->item(r, 1)->setText(QString::number(kDefaults.layer_colour[i]));
      layers_->item(r, 2)->setText(QString::number(kDefaults.line_thickness[i + 1]));
    });
    layers_->setCellWidget(r, 3, b);
  }
  layers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layers_->setMinimumHeight(layers_->verticalHeader()->defaultSectionSize() * 6 + 4);
  fills_.push_back([this] {
    for (int r = 0; r < 5; ++r) {
      const auto i = static_cast<std::size_t>(r);
      layers_->setItem(r, 0, new QTableWidgetItem(shown(work_.layer_name[i])));
      layers_->setItem(r, 1, new QTableWidgetItem(QString::number(work_.layer_colour[i])));
      layers_->setItem(r, 2, new QTableWidgetItem(QString::number(work_.line_thickness[i + 1])));
    }
  });
  stores_.push_back([this] {
    for (int r = 0; r < 5; ++r) {
      const auto i = static_cast<std::size_t>(r);
      work_.layer_name[i] = typed(layers_->item(r, 0)->text());
      work_.layer_colour[i] = static_cast<int>(parseInt(layers_->item(r, 1)->text().trimmed().toStdString()));
      work_.line_thickness[i + 1] = static_cast<int>(parseInt(layers_->item(r, 2)->text().trimmed().toStdString()));
    }
  });
  outer->addWidget(layers_);
  auto* form = new QFormLayout;
  outer->addLayout(form);
  Configuration& c = work_;
  check(form, QStringLiteral("Layer Monochrom ?"), "CheckBox_layermono", c.layer_monochrome);
  text_row(form, QStringLiteral("Textstil CAD"), "Edit_cadfont", c.cad_text_style);
  real_row(form, QStringLiteral("Textbreitenfaktor CAD"), "Edit_cadtextwidth", c.cad_text_width_factor, QStringLiteral("1"));
  real_row(form, QStringLiteral("Textwinkel"), "Edit_cadtextangle", c.cad_text_angle, QStringLiteral("0"));
  int_row(form, QStringLiteral("Decimals DXF,TXT"), "Edit_dxfdecimals", work_.dxf_decimals,
          [] { return QStringLiteral("6"); });
  choice_row(form, QStringLiteral("Text Type"), "RadioGroup_texttype",
             {QStringLiteral("OEM (ASCII)"), QStringLiteral("ANSI"), QString::fromUtf8("Ä->Ae, ß->ss...")},
             work_.cad_text_mode, 1);
  check(form, QStringLiteral("Diagrammgrenzen abfragen"), "CheckBox_diagram", c.enter_diagram_limits);
  return page;
}

}  // namespace vx11
