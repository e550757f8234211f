// The commands of the main window's menu and the table that maps each to its handler.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>

namespace vx11 {

enum class Command {
  FileNew, FileOpen, FileOpenTable, FileSave, FileSaveAs, FilePrint, FilePrinterSetup, FileConfig,
  File1, File2, File3, File4, FileExit,
  EditText, EditDimensions, EditMaterial, EditLoad, EditPredesign, EditDesign,
  ViewStandard, ViewExcerpt, ViewQuick, ViewAssembly, ViewKey, ViewShaft, ViewHub, ViewErrorMessages,
  ViewZoomIn, ViewZoomOut, ViewFitAll,
  CadAssembly, CadKey, CadShaft, CadHub, CadQuick,
  DbKeyTable, DbMaterial, DbMaterialType, DbShaftSeries,
  DocDrawingInfo, DocShowChanges, DocPrintChanges, DocNewChange, DocModifyChange, DocDeleteChange,
  Document1, Document2, Document3, Document4, Document5, DocumentSetup,
  OleStartExcel, OleExportExcel, OleImportExcel, OlePrintoutExcel,
  HelpPictures, HelpErrorMessages, HelpHistory,
  LanguageGerman, LanguageEnglish, LanguageRomanian, LanguageKorean,
  HelpWww, HelpEmail, HelpAbout,
};
inline constexpr int kCommandCount = static_cast<int>(Command::HelpAbout) + 1;

// The name of the command's menu item ("mi_fileNew").
std::string_view command_item_name(Command c);
std::optional<Command> command_by_item_name(std::string_view name);

using CommandHandler = std::function<void()>;

class CommandTable {
 public:
  void set(Command c, CommandHandler h) { handlers_[index(c)] = std::move(h); }
  bool has(Command c) const { return static_cast<bool>(handlers_[index(c)]); }
  // Runs the handler; false when the command has none.
  bool run(Command c) const;

 private:
  static std::size_t index(Command c) { return static_cast<std::size_t>(c); }
  std::array<CommandHandler, kCommandCount> handlers_;
};

}  // namespace vx11
