// The page "Directories": the folders the program works with.
#include "ui/tconfig.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdlib>

#include "base/paths.h"
#include "project/program_state.h"
#include "ui/tconfig_pages.h"

namespace vx11 {

QWidget* Tconfig::directories_page() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  Configuration& c = work_;
  folder_row(form, QStringLiteral("Ordner für Datenbankdateien (dbf)"), "Edit_dbf", c.dbf_folder);
  folder_row(form, QStringLiteral("PLT Ordner"), "Edit_plt", c.plt_folder);
  folder_row(form, QStringLiteral("Temporärer Ordner"), "Edit_temp", c.temp_folder, [this] {
    const char* t = std::getenv("TEMP");
    return t && *t ? QString::fromLocal8Bit(t) : findChild<QLineEdit*>("Edit_temp")->text();
  });
  folder_row(form, QStringLiteral("Default Data Directory"), "Edit_defaultdata", c.default_data_directory);
  folder_row(form, QStringLiteral("CAD Ordner"), "Edit_cad", c.cad_folder);
  folder_row(form, QStringLiteral("KORVANT-Programm-Ordner"), "Edit_korvant", c.korvant_folder);
  folder_row(form, QStringLiteral("EDI Ordner"), "Edit_edi", c.edi_folder);
  auto* working = new QLineEdit(QString::fromStdString(current_folder()), this);
  working->setObjectName("Edit_workdir");
  working->setReadOnly(true);
  auto* why = config_small_button(QStringLiteral("?"), this);
  why->setObjectName("Button_workdirhelp");
  why->setEnabled(static_cast<bool>(help_.text));
  connect(why, &QPushButton::clicked, this, [this] {
    const int previous = state_.help_number;
    state_.help_number = kHelpWorkingFolder;
    if (help_.text) help_.text();
    state_.help_number = previous;
  });
  form->addRow(QStringLiteral("Arbeitsordner"), with_beside(working, {why}));
  const char* user = std::getenv("USERNAME");
  if (!user || !*user) user = std::getenv("USER");
  auto* who = new QLabel(QStringLiteral("User: ") + QString::fromLocal8Bit(user ? user : ""), this);
  who->setObjectName("Label_user");
  form->addRow(who);
  return page;
}

}  // namespace vx11
