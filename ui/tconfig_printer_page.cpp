// The page "Drucker": the graphic printout.
#include "ui/tconfig.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "project/program_state.h"
#include "ui/tconfig_pages.h"

namespace vx11 {

QWidget* Tconfig::printer_page() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Configuration& c = work_;
  int_row(form, QStringLiteral("Ursprung x"), "Edit_originx", work_.screendump_origin_x,
          [] { return QStringLiteral("0"); });
  int_row(form, QStringLiteral("Ursprung y"), "Edit_originy", work_.screendump_origin_y,
          [] { return QStringLiteral("0"); });
  auto* scale_x = real_row(form, QStringLiteral("Maßstab x"), "Edit_scalex", c.screendump_scale, QStringLiteral("1.0"));
  auto* scale_y = new QLineEdit(this);
  scale_y->setObjectName("Edit_scaley");
  scale_y->setMaximumWidth(scale_x->maximumWidth());
  Real* f = &c.print_scale_vertical;
  numbers_.push_back({scale_y, [f] { return *f; }, [f](Real v) { *f = v; },
                      [this](Real v) { return config_number_text(state_.format, v); }, [](Real v) { return v; }, {}, 0});
  form->addRow(QStringLiteral("Maßstab y"), with_beside(scale_y, {proposal_button(scale_y, [scale_x] { return scale_x->text(); })}));
  choice_row(form, QStringLiteral("Schattierung"), "RadioGroup_shade", {QStringLiteral("monochrom"), QStringLiteral("color")},
             work_.windows_print_mode, 1);
  choice_row(form, QStringLiteral("Ausdruck"), "RadioGroup_orientation", {QStringLiteral("portrait"), QStringLiteral("landscape")},
             work_.printer_orientation, 1);
  choice_row(form, QStringLiteral("Schnittstelle"), "RadioGroup_port",
             {QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"), QStringLiteral("LPT4")},
             work_.printer_port, 1);
  check(form, QStringLiteral("Graphic Printout Dialog Box ?"), "CheckBox_printdialog", c.graphic_printout_dialog);
  return page;
}

}  // namespace vx11
