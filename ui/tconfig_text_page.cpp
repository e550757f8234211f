// The page "Textausdruck": the text printout and the text window.
#include "ui/tconfig.h"

#include <QFont>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/tconfig_pages.h"

namespace vx11 {

QWidget* Tconfig::text_page() {
  QFormLayout *left, *right;
  auto* page = two_columns(left, right);
  Configuration& c = work_;
  choice_row(left, QStringLiteral("Trennzeichen"), "RadioGroup_separator",
             {QStringLiteral("***"), QStringLiteral("---"), QStringLiteral("blanks"), QStringLiteral("compressed")},
             work_.text_print_mode, 1);
  choice_row(left, QStringLiteral("Datum"), "RadioGroup_date",
             {QStringLiteral("DD.MM.YYYY"), QStringLiteral("MM/DD/YYYY"), QStringLiteral("YYYY/MM/DD"), QStringLiteral("DD/MM/YYY")},
             work_.date_code, 1);
  int_row(left, QStringLiteral("Textausgabe"), "Edit_textdevice", work_.text_device);
  check(left, QStringLiteral("Text Device Window ?"), "CheckBox_textdevice", c.text_device_window);
  int_row(left, QStringLiteral("Zeilen pro Seite"), "Edit_lines", work_.lines_per_page);
  int_row(left, QStringLiteral("Leerzeilen am Seitenanfang"), "Edit_spacelines", work_.header_space_lines);
  choice_row(left, QStringLiteral("Kopf"), "RadioGroup_header",
             {QStringLiteral("Ausdruck mit Kopf"), QStringLiteral("Nur 1.Seite mit Kopf")},
             work_.header_mode, 1);
  choice_row(left, QStringLiteral("Winkel"), "RadioGroup_angle",
             {QString::fromUtf8("15.1234°"), QString::fromUtf8("15° 7' 26\"")}, work_.angle_format, 1);
  auto* left_edit = int_row(right, QStringLiteral("Textfenster links"), "Edit_winleft", work_.text_window.left);
  auto* top_edit = int_row(right, QStringLiteral("oben"), "Edit_wintop", work_.text_window.top);
  auto* width_edit = int_row(right, QStringLiteral("Breite"), "Edit_winwidth", work_.text_window.width);
  auto* height_edit =
      int_row(right, QStringLiteral("Höhe"), "Edit_winheight", work_.text_window.height);
  auto* place = config_small_button(QStringLiteral("<"), this);
  place->setObjectName("Button_textwindow");
  connect(place, &QPushButton::clicked, this, [this, left_edit, top_edit, width_edit, height_edit] {
    left_edit->setText(QStringLiteral("10"));
    top_edit->setText(QStringLiteral("40"));
    width_edit->setText(QString::number(screen_.width - 20));
    height_edit->setText(QString::number(screen_.height - 80));
  });
  right->addRow(QString(), place);
  auto* font = config_small_button(QStringLiteral("Font.."), this);
  font->setObjectName("Button_printfont");
  auto* font_label = new QLabel(this);
  font_label->setObjectName("Label_printfont");
  fills_.push_back([this, font_label] {
    font_label->setText(shown(work_.printout_font) + QStringLiteral(", %1").arg(work_.printout_size));
  });
  connect(font, &QPushButton::clicked, this, [this, font_label] {
    if (!pickers_.font) return;
    QFont current(shown(work_.printout_font), work_.printout_size);
    current.setBold(work_.printout_style & 1);
    current.setItalic(work_.printout_style & 2);
    if (auto f = pickers_.font(current)) {
      work_.printout_font = typed(f->family());
      work_.printout_size = f->pointSize() > 0 ? f->pointSize() : work_.printout_size;
      work_.printout_style = (f->bold() ? 1 : 0) | (f->italic() ? 2 : 0);
      font_label->setText(f->family() + QStringLiteral(", %1").arg(work_.printout_size));
    }
  });
  right->addRow(font, font_label);
  return page;
}

}  // namespace vx11
