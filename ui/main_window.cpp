#include "ui/main_window.h"

#include <QCloseEvent>  // the close query
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/canvas.h"

namespace vx11 {

namespace {

using CaptionOf = std::string (*)(const MenuCaptions&);

struct ItemCaption {
  Command command;
  CaptionOf caption;
};

// Items whose caption comes from the caption variables.
const ItemCaption kItemCaptions[] = {
    {Command::FileNew, [](const MenuCaptions& c) { return c.file_new; }},
    {Command::FileOpen, [](const MenuCaptions& c) { return c.file_open; }},
    {Command::FileOpenTable, [](const MenuCaptions& c) { return c.open_table(); }},
    {Command::FileSave, [](const MenuCaptions& c) { return c.file_save; }},
    {Command::FileSaveAs, [](const MenuCaptions& c) { return c.file_save_as; }},
    {Command::FilePrint, [](const MenuCaptions& c) { return c.file_print; }},
    {Command::FilePrinterSetup, [](const MenuCaptions& c) { return c.file_printer_setup; }},
    {Command::FileConfig, [](const MenuCaptions& c) { return c.file_config; }},
    {Command::FileExit, [](const MenuCaptions& c) { return c.file_exit; }},
    {Command::EditText, [](const MenuCaptions& c) { return c.edit_text; }},
    {Command::EditDimensions, [](const MenuCaptions& c) { return c.edit_dimensions; }},
    {Command::EditMaterial, [](const MenuCaptions& c) { return c.material; }},
    {Command::EditLoad, [](const MenuCaptions& c) { return c.edit_load; }},
    {Command::EditPredesign, [](const MenuCaptions& c) { return c.edit_predesign; }},
    {Command::EditDesign, [](const MenuCaptions& c) { return c.edit_design; }},
    {Command::ViewStandard, [](const MenuCaptions& c) { return c.view_standard; }},
    {Command::ViewExcerpt, [](const MenuCaptions& c) { return c.view_excerpt; }},
    {Command::ViewQuick, [](const MenuCaptions& c) { return c.quick; }},
    {Command::ViewAssembly, [](const MenuCaptions& c) { return c.drawing; }},
    {Command::ViewKey, [](const MenuCaptions& c) { return c.woodruff_key; }},
    {Command::ViewShaft, [](const MenuCaptions& c) { return c.shaft; }},
    {Command::ViewHub, [](const MenuCaptions& c) { return c.hub; }},
    {Command::ViewZoomIn, [](const MenuCaptions& c) { return c.zoom_in; }},
    {Command::ViewZoomOut, [](const MenuCaptions& c) { return c.zoom_out; }},
    {Command::ViewFitAll, [](const MenuCaptions& c) { return c.fit_all; }},
    {Command::CadAssembly, [](const MenuCaptions& c) { return c.drawing; }},
    {Command::CadKey, [](const MenuCaptions& c) { return c.woodruff_key; }},
    {Command::CadShaft, [](const MenuCaptions& c) { return c.shaft; }},
    {Command::CadHub, [](const MenuCaptions& c) { return c.hub; }},
    {Command::CadQuick, [](const MenuCaptions& c) { return c.quick; }},
    {Command::DbMaterial, [](const MenuCaptions& c) { return c.material; }},
    {Command::DbMaterialType, [](const MenuCaptions& c) { return c.material_type; }},
    {Command::DbShaftSeries, [](const MenuCaptions& c) { return c.shaft_series(); }},
    {Command::DocDrawingInfo, [](const MenuCaptions& c) { return c.drawing_info; }},
    {Command::DocShowChanges, [](const MenuCaptions& c) { return c.show_changes; }},
    {Command::DocPrintChanges, [](const MenuCaptions& c) { return c.print_changes; }},
    {Command::DocNewChange, [](const MenuCaptions& c) { return c.new_change; }},
    {Command::DocModifyChange, [](const MenuCaptions& c) { return c.modify_change; }},
    {Command::DocDeleteChange, [](const MenuCaptions& c) { return c.delete_change; }},
    {Command::Document1, [](const MenuCaptions& c) { return c.document(1); }},
    {Command::Document2, [](const MenuCaptions& c) { return c.document(2); }},
    {Command::Document3, [](const MenuCaptions& c) { return c.document(3); }},
    {Command::Document4, [](const MenuCaptions& c) { return c.document(4); }},
    {Command::Document5, [](const MenuCaptions& c) { return c.document(5); }},
    {Command::DocumentSetup, [](const MenuCaptions& c) { return c.document_setup; }},
    {Command::HelpPictures, [](const MenuCaptions& c) { return c.help_pictures; }},
    {Command::HelpErrorMessages, [](const MenuCaptions& c) { return c.error_messages; }},
    {Command::HelpWww, [](const MenuCaptions& c) { return c.homepage; }},
    {Command::HelpEmail, [](const MenuCaptions& c) { return c.email; }},
};

struct FixedCaption {
  Command command;
  const char* caption;
};

// Items that keep the captions they were created with in every language.
const FixedCaption kFixedCaptions[] = {
    {Command::OleStartExcel, "Start Excel"},
    {Command::OleExportExcel, "Export VX11 -> Excel"},
    {Command::OleImportExcel, "Import Excel -> VX11"},
    {Command::OlePrintoutExcel, "Printout -> Excel"},
    {Command::HelpHistory, "&History"},
    {Command::LanguageGerman, "&Deutsch"},
    {Command::LanguageEnglish, "&English"},
    {Command::LanguageRomanian, "&Roman"},
    {Command::LanguageKorean, "&Korea"},
    {Command::DbKeyTable, "DIN &6888"},
    {Command::HelpAbout, "&VX11"},
};

struct MenuCaption {
  const char* menu;
  CaptionOf caption;
};

const MenuCaption kMenuCaptions[] = {
    {"mi_file", [](const MenuCaptions& c) { return c.file; }},
    {"mi_Edit", [](const MenuCaptions& c) { return c.edit; }},
    {"mi_View", [](const MenuCaptions& c) { return c.view; }},
    {"mi_CAD", [](const MenuCaptions& c) { return c.cad; }},
    {"mi_database", [](const MenuCaptions& c) { return c.database; }},
    {"mi_documentation", [](const MenuCaptions& c) { return c.documentation; }},
    {"mi_Help", [](const MenuCaptions& c) { return c.help; }},
    {"mi_helplanguage", [](const MenuCaptions& c) { return c.language_menu(); }},
};

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

Thh::Thh(QWidget* parent) : QMainWindow(parent), canvas_(new Canvas(this)) {
  setObjectName("hh");
  setWindowTitle(QStringLiteral("VX11  -  Scheibenfederberechnung"));
  build_menus();
  setCentralWidget(canvas_);
  // The zoom of the View menu works on whatever the canvas shows.
  set_handler(Command::ViewZoomIn, [this] { canvas_->zoom_in(); });
  set_handler(Command::ViewZoomOut, [this] { canvas_->zoom_out(); });
  set_handler(Command::ViewFitAll, [this] { canvas_->fit_all(); });

  set_handler(Command::LanguageGerman, [this] { set_language(kLanguageGerman); });
  set_handler(Command::LanguageEnglish, [this] { set_language(kLanguageEnglish); });
  set_handler(Command::LanguageRomanian, [this] { set_language(kLanguageRomanian); });
  set_handler(Command::LanguageKorean, [this] { set_language(kLanguageKorean); });
  set_handler(Command::FileExit, [this] { close(); });
  apply_captions();
  // The initial captions are German, and so are Qt's dialogs until a switch.
  qt_translations_.use(kLanguageGerman);
}

QWidget* Thh::client_area() const { return canvas_; }

QMenu* Thh::add_menu(QMenu* parent, const char* name) {
  QMenu* m = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
  m->setObjectName(name);
  return m;
}

QAction* Thh::add_item(QMenu* menu, Command c) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(QString::fromLatin1(command_item_name(c)));
  connect(a, &QAction::triggered, this, [this, c] { commands_.run(c); });
  actions_[static_cast<std::size_t>(c)] = a;
  update_enabled(c);
  return a;
}

void Thh::build_menus() {
  using C = Command;
  QMenu* file = add_menu(nullptr, "mi_file");
  for (C c : {C::FileNew, C::FileOpen, C::FileOpenTable, C::FileSave, C::FileSaveAs}) add_item(file, c);
  file->addSeparator();
  add_item(file, C::FilePrint);
  add_item(file, C::FilePrinterSetup);
  file->addSeparator();
  add_item(file, C::FileConfig);
  file->addSeparator();
  for (C c : {C::File1, C::File2, C::File3, C::File4}) add_item(file, c)->setVisible(false);
  QAction* n10 = file->addSeparator();
  n10->setObjectName("N10");
  n10->setVisible(false);  // no recent files yet
  add_item(file, C::FileExit);

  QMenu* edit = add_menu(nullptr, "mi_Edit");
  for (C c : {C::EditText, C::EditDimensions, C::EditMaterial, C::EditLoad}) add_item(edit, c);
  edit->addSeparator();
  add_item(edit, C::EditPredesign);
  add_item(edit, C::EditDesign);

  QMenu* view = add_menu(nullptr, "mi_View");
  add_item(view, C::ViewStandard);
  add_item(view, C::ViewExcerpt);
  view->addSeparator();
  add_item(view, C::ViewQuick);
  view->addSeparator();
  for (C c : {C::ViewAssembly, C::ViewKey, C::ViewShaft, C::ViewHub}) add_item(view, c);
  view->addSeparator();
  for (C c : {C::ViewZoomIn, C::ViewZoomOut, C::ViewFitAll}) add_item(view, c);
  view->addSeparator();
  add_item(view, C::ViewErrorMessages);

  QMenu* cad = add_menu(nullptr, "mi_CAD");
  for (C c : {C::CadAssembly, C::CadKey, C::CadShaft, C::CadHub}) add_item(cad, c);
  cad->addSeparator();
  add_item(cad, C::CadQuick);

  QMenu* db = add_menu(nullptr, "mi_database");
  for (C c : {C::DbKeyTable, C::DbMaterial, C::DbMaterialType, C::DbShaftSeries}) add_item(db, c);

  QMenu* doc = add_menu(nullptr, "mi_documentation");
  add_item(doc, C::DocDrawingInfo);
  doc->addSeparator();
  for (C c : {C::DocShowChanges, C::DocPrintChanges, C::DocNewChange, C::DocModifyChange, C::DocDeleteChange})
    add_item(doc, c);
  doc->addSeparator();
  for (C c : {C::Document1, C::Document2, C::Document3, C::Document4, C::Document5}) add_item(doc, c);
  doc->addSeparator();
  add_item(doc, C::DocumentSetup);

  QMenu* ole = add_menu(nullptr, "mi_OLE");
  ole->setTitle(QStringLiteral("&OLE"));
  for (C c : {C::OleStartExcel, C::OleExportExcel, C::OleImportExcel}) add_item(ole, c);
  ole->addSeparator();
  add_item(ole, C::OlePrintoutExcel);

  QMenu* help = add_menu(nullptr, "mi_Help");
  for (C c : {C::HelpPictures, C::HelpErrorMessages, C::HelpHistory}) add_item(help, c);
  QMenu* language = add_menu(help, "mi_helplanguage");
  for (C c : {C::LanguageGerman, C::LanguageEnglish, C::LanguageRomanian, C::LanguageKorean})
    add_item(language, c);
  help->addSeparator();
  add_item(help, C::HelpWww);
  add_item(help, C::HelpEmail);
  help->addSeparator();
  add_item(help, C::HelpAbout);

  action(C::FileNew)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  action(C::FileOpen)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  action(C::FileSave)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  action(C::FilePrint)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  action(C::File1)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  action(C::File2)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F2));
  action(C::File3)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
  action(C::File4)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F4));
  action(C::ViewZoomIn)->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  action(C::ViewZoomOut)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  action(C::ViewFitAll)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

  for (const auto& f : kFixedCaptions) action(f.command)->setText(QString::fromUtf8(f.caption));
}

void Thh::apply_captions() {
  for (const auto& m : kMenuCaptions) findChild<QMenu*>(m.menu)->setTitle(q(m.caption(captions_)));
  for (const auto& i : kItemCaptions) action(i.command)->setText(q(i.caption(captions_)));
  action(Command::ViewErrorMessages)->setText(q(captions_.error_messages_counted(message_count_)));
}

void Thh::update_enabled(Command c) {
  QAction* a = action(c);
  if (!a) return;
  bool on = commands_.has(c);
  if (c == Command::ViewErrorMessages) on = on && message_count_ > 0;
  if (c == Command::OleExportExcel || c == Command::OleImportExcel) on = on && excel_started_;
  a->setEnabled(on);
}

void Thh::set_handler(Command c, CommandHandler h) {
  commands_.set(c, std::move(h));
  update_enabled(c);
}

void Thh::set_language(int code) {
  language_ = code;
  fill_captions(captions_, code);
  apply_captions();
  if (code == kLanguageGerman || code == kLanguageEnglish || code == kLanguageRomanian || code == kLanguageKorean)
    qt_translations_.use(code);
  if (language_changed) language_changed(code);
}

void Thh::set_message_count(int count) {
  message_count_ = count;
  action(Command::ViewErrorMessages)->setText(q(captions_.error_messages_counted(count)));
  update_enabled(Command::ViewErrorMessages);
}

void Thh::set_excel_started(bool started) {
  excel_started_ = started;
  update_enabled(Command::OleExportExcel);
  update_enabled(Command::OleImportExcel);
}

void Thh::set_recent_files(const std::array<std::string, 4>& captions) {
  const Command entries[] = {Command::File1, Command::File2, Command::File3, Command::File4};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    action(entries[i])->setText(q(captions[i]));
    action(entries[i])->setVisible(!captions[i].empty());
  }
  // The separator before Exit belongs to the list: shown exactly when its first slot is used.
  for (QAction* a : findChild<QMenu*>("mi_file")->actions())
    if (a->objectName() == QLatin1String("N10")) a->setVisible(!captions[0].empty());
}

void Thh::closeEvent(QCloseEvent* event) {
  if (close_query && !close_query()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace vx11
