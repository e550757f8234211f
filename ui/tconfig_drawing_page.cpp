// The page "Zeichnung": the title block of drawings.
#include "ui/tconfig.h"

#include <QFormLayout>

namespace vx11 {

QWidget* Tconfig::drawing_page() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Configuration& c = work_;
  text_row(form, QStringLiteral("Freigabefeld"), "Edit_freigabe", c.title_row4_label, nullptr,
           [] { return QStringLiteral("Frei"); });
  real_row(form, QStringLiteral("Maßfaktor"), "Edit_dimfactor", c.dimension_factor, QStringLiteral("1.0"));
  choice_row(form, QStringLiteral("Index"), "RadioGroup_index",
             {QStringLiteral("a,b,c..."), QStringLiteral("1,2,3..."), QStringLiteral("A,B,C..."), QStringLiteral("......")},
             c.change_index_style, 0);
  check(form, QStringLiteral("Titel des Herstellers zeigen"), "CheckBox_maker", c.hide_maker_title, true);
  check(form, QStringLiteral("Dateiname zeigen"), "CheckBox_filename", c.hide_file_name, true);
  check(form, QStringLiteral("Datum zeigen"), "CheckBox_date", c.hide_date, true);
  check(form, QStringLiteral("Logo zeigen"), "CheckBox_logo", c.hide_logo, true);
  return page;
}

}  // namespace vx11
