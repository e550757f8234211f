// The page "Einstellungen": number format, help level and units.
#include "ui/tconfig.h"

#include <QFormLayout>

namespace vx11 {

QWidget* Tconfig::settings_page() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Configuration& c = work_;
  choice_row(form, QStringLiteral("Dezimalzeichen"), "RadioGroup_decimal", {QStringLiteral("x.xx"), QStringLiteral("x,xx")},
             work_.decimal_separator, 1);
  int_row(form, QStringLiteral("Anzahl der Dezimalstellen"), "Edit_decimals", work_.decimals);
  choice_row(form, QStringLiteral("Hilfegrad"), "RadioGroup_helplevel",
             {QStringLiteral("0 : Keine Info nach Eingabe"), QStringLiteral("1 : Normale Einstellung"),
              QStringLiteral("2 : Erweiterte Hilfe, Einzeleingabe")},
             work_.help_level, 0);
  check(form, QStringLiteral("Usereingabe"), "CheckBox_password", c.enter_password);
  check(form, QStringLiteral("Archivierungsmodus ?"), "CheckBox_archive", c.archive_flag);
  choice_row(form, QStringLiteral("Tabellenkalkulation"), "RadioGroup_sheetdecimal",
             {QStringLiteral("English x.xx"), QStringLiteral("German x,xx")},
             work_.tab_file_separator, 1);
  choice_row(form, QStringLiteral("Sonderzeichen"), "RadioGroup_ascii", {QString::fromUtf8("²  µ  °"), QStringLiteral("2 u  deg")},
             work_.ascii_mode, 0);
  choice_row(form, QStringLiteral("Einheit"), "RadioGroup_units", {QStringLiteral("Metric"), QStringLiteral("English")},
             work_.unit_system, 0);
  choice_row(form, QStringLiteral("Ergebnisgrafik"), "RadioGroup_resultgraphic",
             {QStringLiteral("egal"), QStringLiteral("Quick 1"), QStringLiteral("Quick 2"), QStringLiteral("Fertigungszeichnung"),
              QStringLiteral("Diagramm"), QStringLiteral("Zeichnung")},
             work_.result_graphic, 0);
  return page;
}

}  // namespace vx11
