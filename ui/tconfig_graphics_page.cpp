// The page "Grafik": screen graphics, window size, dialog scale and the 3D view angles.
#include "ui/tconfig.h"

#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

#include "base/guarded_math.h"
#include "ui/tconfig_pages.h"

namespace vx11 {

QWidget* Tconfig::graphics_page() {
  QFormLayout *left, *right;
  auto* page = two_columns(left, right);
  Configuration& c = work_;
  choice_row(left, QStringLiteral("Bildschirmgrafik"), "RadioGroup_farbe", {QStringLiteral("color"), QStringLiteral("monochrom")},
             c.colour_graphics);
  int_row(left, QStringLiteral("Auflösung horizontal"), "Edit_resx", work_.resolution_horizontal,
          [this] { return QString::number(screen_.width - 9 + 1); }, 1);
  int_row(left, QStringLiteral("Auflösung vertikal"), "Edit_resy", work_.resolution_vertical,
          [this] { return QString::number(screen_.height - 91 + 1); }, 1);
  auto* font = config_small_button(QStringLiteral("Font..."), this);
  font->setObjectName("Button_graphicsfont");
  auto* font_edit = text_row(left, QStringLiteral("Textstil Grafik"), "Edit_graphicsfont", c.graphics_text_style, font);
  connect(font, &QPushButton::clicked, this, [this, font_edit] {
    if (!pickers_.font) return;
    if (auto f = pickers_.font(QFont(font_edit->text()))) font_edit->setText(f->family());
  });
  real_row(left, QStringLiteral("Textbreitenfaktor"), "Edit_textwidth", c.graphics_text_width_factor, QStringLiteral("0.8"));
  real_row(left, QStringLiteral("Texthöhenfaktor"), "Edit_textheight", c.text_height_factor, QStringLiteral("1"));
  colour_sample_ = new QLabel(this);
  colour_sample_->setObjectName("Shape_background");
  colour_sample_->setFixedSize(40, 20);
  colour_sample_->setFrameShape(QFrame::Box);
  auto* colour = config_small_button(QStringLiteral("Hintergrundfarbe..."), this);
  colour->setObjectName("Button_background");
  fills_.push_back([this] {
    colour_sample_->setStyleSheet(QStringLiteral("background-color: %1").arg(colour_of(work_.background_colour).name()));
  });
  connect(colour, &QPushButton::clicked, this, [this] {
    if (!pickers_.colour) return;
    if (auto col = pickers_.colour(colour_of(work_.background_colour))) {
      work_.background_colour = colour_value(*col);
      colour_sample_->setStyleSheet(QStringLiteral("background-color: %1").arg(col->name()));
    }
  });
  left->addRow(colour, colour_sample_);
  real_row(right, QStringLiteral("Zoom-Faktor"), "Edit_zoom", c.zoom_factor, QStringLiteral("1.02"));
  real_row(right, QStringLiteral("Pan-Faktor"), "Edit_pan", c.pan_factor, QStringLiteral("0.02"));
  check(right, QStringLiteral("Umrandung"), "CheckBox_umrandung", c.screendump_border);
  int_row(right, QStringLiteral("Dialogfenster Größe %"), "Edit_dialogscale", work_.input_window_scale,
          [this] { return QString::number(proposed_input_window_scale(screen_)); });
  int_row(right, QStringLiteral("Dialogelemente Größe %"), "Edit_elementscale",
          work_.dialog_element_scale,
          [this] { return QString::number(std::lround(screen_.dpi_y * 100.0 / 96)); });
  check(right, QStringLiteral("3D Edit x,y,z"), "CheckBox_3d", c.edit_3d);
  const char* names[] = {"Edit_3dx", "Edit_3dy", "Edit_3dz"};
  const char* labels[] = {"x", "y", "z"};
  for (std::size_t i = 0; i < 3; ++i)
    real_row(right, QString::fromLatin1(labels[i]) + QStringLiteral(" (Grad)"), names[i], c.default_3d[i], std::nullopt,
             kRadiansPerDegree);
  return page;
}

}  // namespace vx11
