#include "ui/commands.h"

namespace vx11 {

namespace {

// In the order of the enumeration.
constexpr std::array<std::string_view, kCommandCount> kItemNames = {
    "mi_fileNew", "mi_fileOpen", "mi_fileOpenTable", "mi_FileSave", "mi_FileSaveAs", "mi_fileprint",
    "mi_fileprintersetup", "mi_fileConfig", "mi_file1", "mi_file2", "mi_file3", "mi_file4", "mi_fileexit",
    "mi_EditText", "mi_editabmessungen", "mi_EditMaterial", "mi_editLast", "mi_editvorauslegung", "mi_editauslegung",
    "mi_ViewStandard", "mi_ViewExcerpt", "mi_viewQuick", "mi_viewva", "mi_viewscheibenfeder", "mi_viewwelle",
    "mi_viewnabe", "mi_viewErrorMessages", "mi_viewZoomIn", "mi_viewZoomOut", "mi_viewFitAll",
    "mi_cadVA", "mi_cadscheibenfeder", "mi_cadwelle", "mi_cadnabe", "mi_cadquick",
    "mi_dbfDIN6888", "mi_dbfmaterial", "mi_dbwstyp", "mi_dbfdwelle",
    "mi_docdrawinginfo", "mi_docuShowChanges1", "mi_docuPrintChanges", "mi_docuNewChange",
    "mi_docuModifyChanges", "mi_docudeleteChange",
    "mi_Document1", "mi_Document2", "mi_Document3", "mi_Document4", "mi_Document5", "mi_DocumentSetup",
    "mi_OleStartExcel", "mi_OleExportExcel", "mi_OleImportExcel", "mi_OlePrintoutExcel",
    "mi_HelpHilfebild", "mi_helpErrorMessages", "mi_helphistory",
    "mi_helplanguageDeutsch", "mi_helplanguageEnglish", "mi_helplanguageRoman", "mi_helplanguageKorea",
    "mi_helpwww", "mi_helpemail", "mi_HelpAbout",
};

}  // namespace

std::string_view command_item_name(Command c) { return kItemNames[static_cast<std::size_t>(c)]; }

std::optional<Command> command_by_item_name(std::string_view name) {
  for (int i = 0; i < kCommandCount; ++i)
    if (kItemNames[i] == name) return static_cast<Command>(i);
  return std::nullopt;
}

bool CommandTable::run(Command c) const {
  const auto& h = handlers_[index(c)];
  if (!h) return false;
  h();
  return true;
}

}  // namespace vx11
