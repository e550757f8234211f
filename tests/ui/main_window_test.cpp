#include "ui/main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { test::ensure_application(); }
  QString text(Command c) const { return w.action(c)->text(); }
  QString menu(const char* name) const { return w.findChild<QMenu*>(name)->title(); }
  Thh w;
};

TEST_F(MainWindow, EveryCommandHasItsNamedItem) {
  for (int i = 0; i < kCommandCount; ++i) {
    const auto c = static_cast<Command>(i);
    const QString name = QString::fromLatin1(command_item_name(c));
    auto* a = w.findChild<QAction*>(name);
    ASSERT_NE(a, nullptr) << name.toStdString();
    EXPECT_EQ(a, w.action(c));
    EXPECT_EQ(command_by_item_name(name.toStdString()), c);
  }
  for (const char* m : {"mi_file", "mi_Edit", "mi_View", "mi_CAD", "mi_database", "mi_documentation", "mi_OLE",
                        "mi_Help", "mi_helplanguage"})
    EXPECT_NE(w.findChild<QMenu*>(m), nullptr) << m;
}

// Item names of a menu in order; "-" for an unnamed separator.
std::vector<std::string> items_of(const QMenu* m) {
  std::vector<std::string> names;
  for (const QAction* a : m->actions()) {
    if (a->menu()) names.push_back(a->menu()->objectName().toStdString());
    else if (a->isSeparator() && a->objectName().isEmpty()) names.push_back("-");
    else names.push_back(a->objectName().toStdString());
  }
  return names;
}

TEST_F(MainWindow, MenuTreeOrder) {
  using V = std::vector<std::string>;
  EXPECT_EQ(items_of(w.findChild<QMenu*>("mi_file")),
            (V{"mi_fileNew", "mi_fileOpen", "mi_fileOpenTable", "mi_FileSave", "mi_FileSaveAs", "-",
               "mi_fileprint", "mi_fileprintersetup", "-", "mi_fileConfig", "-", "mi_file1", "mi_file2",
               "mi_file3", "mi_file4", "N10", "mi_fileexit"}));
  EXPECT_EQ(items_of(w.findChild<QMenu*>("mi_Edit")),
            (V{"mi_EditText", "mi_editabmessungen", "mi_EditMaterial", "mi_editLast", "-", "mi_editvorauslegung",
               "mi_editauslegung"}));
  EXPECT_EQ(items_of(w.findChild<QMenu*>("mi_View")),
            (V{"mi_ViewStandard", "mi_ViewExcerpt", "-", "mi_viewQuick", "-", "mi_viewva", "mi_viewscheibenfeder",
               "mi_viewwelle", "mi_viewnabe", "-", "mi_viewZoomIn", "mi_viewZoomOut", "mi_viewFitAll", "-",
               "mi_viewErrorMessages"}));
  EXPECT_EQ(items_of(w.findChild<QMenu*>("mi_Help")),
            (V{"mi_HelpHilfebild", "mi_helpErrorMessages", "mi_helphistory", "mi_helplanguage", "-", "mi_helpwww",
               "mi_helpemail", "-", "mi_HelpAbout"}));
  const QList<QAction*> bar = w.menuBar()->actions();
  ASSERT_EQ(bar.size(), 8);
  EXPECT_EQ(bar.front()->menu()->objectName(), "mi_file");
  EXPECT_EQ(bar.back()->menu()->objectName(), "mi_Help");
}

TEST_F(MainWindow, InitialCaptionsBeforeAnySwitch) {
  EXPECT_EQ(text(Command::FileNew), QStringLiteral("&Neu...        "));
  EXPECT_EQ(text(Command::FileOpenTable), QStringLiteral("\u00d6&ffnen...      (&Tabelle)"));
  EXPECT_EQ(menu("mi_helplanguage"), QStringLiteral("Menu &Sprache"));
  EXPECT_EQ(text(Command::ViewErrorMessages), QStringLiteral("&Fehlermeldungen (0)"));
  EXPECT_EQ(text(Command::DbShaftSeries), QStringLiteral("d &Welle"));
  EXPECT_EQ(menu("mi_OLE"), QStringLiteral("&OLE"));
}

TEST_F(MainWindow, CaptionsPerLanguageThroughTheItems) {
  struct Case {
    int code;
    const char* file;
    const char* key_view;
    const char* key_cad;
    const char* open_table;
    const char* shaft_series;
    const char* document3;
    const char* language_menu;
    const char* material_db;
  };
  const Case cases[] = {
      {kLanguageEnglish, "&File", "&Woodruff Key", "&Woodruff Key", "&Open... (&Table)", "d Sh&aft", "Document &3",
       "Menu &Language", "&Material"},
      {kLanguageGerman, "&Datei", "&Scheibenfeder", "&Scheibenfeder", "\u00d6&ffnen... (&Tabelle)", "d &Welle",
       "Dokument &3", "Men\u00fc &Sprache", "&Werkstoff"},
      {kLanguageRomanian, "&Fisier", "&Woodruff Key", "&Woodruff Key", "&Deschide... (&Tabele)", "d Arbore",
       "Document &3", "Meniu &Limba", "&Material"},
      {kLanguageKorean, "\ud30c\uc77c(&F)", "&Woodruff Key", "&Woodruff Key",
       "\uc5f4\uae30 (\ud14c\uc774\ube14)(&b)", "d \ucd95(&a)", "\ubb38\uc11c &3",
       "\uba54\ub274 \uc5b8\uc5b4(&L)", "\uc18c\uc7ac\uc120\uc815(&M)"},
  };
  for (const auto& c : cases) {
    w.set_language(c.code);
    EXPECT_EQ(w.language(), c.code);
    EXPECT_EQ(menu("mi_file"), QString::fromUtf8(c.file)) << c.code;
    EXPECT_EQ(text(Command::ViewKey), QString::fromUtf8(c.key_view)) << c.code;
    EXPECT_EQ(text(Command::CadKey), QString::fromUtf8(c.key_cad)) << c.code;
    EXPECT_EQ(text(Command::FileOpenTable), QString::fromUtf8(c.open_table)) << c.code;
    EXPECT_EQ(text(Command::DbShaftSeries), QString::fromUtf8(c.shaft_series)) << c.code;
    EXPECT_EQ(text(Command::Document3), QString::fromUtf8(c.document3)) << c.code;
    EXPECT_EQ(menu("mi_helplanguage"), QString::fromUtf8(c.language_menu)) << c.code;
    EXPECT_EQ(text(Command::DbMaterial), QString::fromUtf8(c.material_db)) << c.code;
    EXPECT_EQ(text(Command::EditMaterial), QString::fromUtf8(c.material_db)) << c.code;
    // Items that keep their own captions.
    EXPECT_EQ(text(Command::OleStartExcel), QStringLiteral("Start Excel"));
    EXPECT_EQ(text(Command::LanguageGerman), QStringLiteral("&Deutsch"));
    EXPECT_EQ(text(Command::DbKeyTable), QStringLiteral("DIN &6888"));
    EXPECT_EQ(text(Command::HelpAbout), QStringLiteral("&VX11"));
  }
}

TEST_F(MainWindow, DesignAidCaptionsInEveryLanguage) {
  EXPECT_EQ(text(Command::EditDesign), QStringLiteral("Auslegungs&hilfe"));
  const std::pair<int, const char*> cases[] = {{kLanguageEnglish, "Design &Assistant"},
                                               {kLanguageRomanian, "&Asistent de proiectare"},
                                               {kLanguageKorean, "\uc124\uacc4\ub3c4\uc6b0\ubbf8(&A)"},
                                               {kLanguageGerman, "Auslegungs&hilfe"}};
  for (const auto& [code, caption] : cases) {
    w.set_language(code);
    EXPECT_EQ(text(Command::EditDesign), QString::fromUtf8(caption)) << code;
  }
}

TEST_F(MainWindow, LanguageItemsSwitchAndUnknownCodesChangeNothing) {
  std::vector<int> stored;
  w.language_changed = [&](int code) { stored.push_back(code); };
  w.action(Command::LanguageEnglish)->trigger();
  EXPECT_EQ(text(Command::FileExit), QStringLiteral("E&xit"));
  w.action(Command::LanguageGerman)->trigger();
  EXPECT_EQ(text(Command::ViewKey), QStringLiteral("&Scheibenfeder"));
  EXPECT_EQ(text(Command::FileExit), QStringLiteral("&Beenden"));  // the blanks of the initial caption are gone
  w.action(Command::LanguageKorean)->trigger();
  EXPECT_EQ((stored), (std::vector<int>{2, 1, 8}));
  for (const int unknown : {0, 3, 9}) {
    w.set_language(unknown);
    EXPECT_EQ(menu("mi_file"), QStringLiteral("\ud30c\uc77c(&F)")) << unknown;
  }
}

TEST_F(MainWindow, ErrorMessagesItemShowsTheCountAndIsEnabledAboveZero) {
  // Without a handler the item stays disabled whatever the count.
  w.set_message_count(3);
  EXPECT_EQ(text(Command::ViewErrorMessages), QStringLiteral("&Fehlermeldungen (3)"));
  EXPECT_FALSE(w.action(Command::ViewErrorMessages)->isEnabled());
  int shown = 0;
  w.set_handler(Command::ViewErrorMessages, [&] { ++shown; });
  struct Case {
    int count;
    const char* caption;
    bool enabled;
  };
  const Case cases[] = {{3, "&Fehlermeldungen (3)", true}, {0, "&Fehlermeldungen (0)", false},
                        {11, "&Fehlermeldungen (11)", true}};
  for (const auto& c : cases) {
    w.set_message_count(c.count);
    EXPECT_EQ(text(Command::ViewErrorMessages), QString::fromUtf8(c.caption));
    EXPECT_EQ(w.action(Command::ViewErrorMessages)->isEnabled(), c.enabled) << c.count;
  }
  w.action(Command::ViewErrorMessages)->trigger();
  EXPECT_EQ(shown, 1);
  w.set_language(kLanguageEnglish);  // the count survives the switch
  EXPECT_EQ(text(Command::ViewErrorMessages), QStringLiteral("&Error messages (11)"));
  EXPECT_EQ(text(Command::HelpErrorMessages), QStringLiteral("&Error messages"));
}

TEST_F(MainWindow, CommandsWithoutHandlersAreDisabledNotMissing) {
  for (int i = 0; i < kCommandCount; ++i) {
    const auto c = static_cast<Command>(i);
    const bool built_in = c == Command::FileExit || c == Command::LanguageGerman ||
                          c == Command::LanguageEnglish || c == Command::LanguageRomanian ||
                          c == Command::LanguageKorean || c == Command::ViewZoomIn || c == Command::ViewZoomOut ||
                          c == Command::ViewFitAll;
    EXPECT_EQ(w.action(c)->isEnabled(), built_in) << command_item_name(c);
  }
  EXPECT_FALSE(w.run_command(Command::FileOpen));
  int opened = 0;
  w.set_handler(Command::FileOpen, [&] { ++opened; });
  EXPECT_TRUE(w.action(Command::FileOpen)->isEnabled());
  w.action(Command::FileOpen)->trigger();
  EXPECT_TRUE(w.run_command(Command::FileOpen));
  EXPECT_EQ(opened, 2);
  w.set_handler(Command::FileOpen, nullptr);
  EXPECT_FALSE(w.action(Command::FileOpen)->isEnabled());
}

TEST_F(MainWindow, ExportAndImportWaitForStartExcel) {
  bool started = false;
  w.set_handler(Command::OleStartExcel, [&] { w.set_excel_started(started); });
  w.set_handler(Command::OleExportExcel, [] {});
  w.set_handler(Command::OleImportExcel, [] {});
  EXPECT_FALSE(w.action(Command::OleExportExcel)->isEnabled());
  EXPECT_FALSE(w.action(Command::OleImportExcel)->isEnabled());
  w.action(Command::OleStartExcel)->trigger();  // failed start
  EXPECT_FALSE(w.action(Command::OleExportExcel)->isEnabled());
  started = true;
  w.action(Command::OleStartExcel)->trigger();
  EXPECT_TRUE(w.action(Command::OleExportExcel)->isEnabled());
  EXPECT_TRUE(w.action(Command::OleImportExcel)->isEnabled());
  EXPECT_TRUE(w.action(Command::OlePrintoutExcel)->text() == QStringLiteral("Printout -> Excel"));
}

TEST_F(MainWindow, ShortcutsAndRecentFiles) {
  struct Case {
    Command c;
    const char* keys;
  };
  const Case cases[] = {{Command::FileNew, "Ctrl+N"},  {Command::FileOpen, "Ctrl+O"},
                        {Command::FileSave, "Ctrl+S"}, {Command::FilePrint, "Ctrl+P"},
                        {Command::File1, "Shift+F1"},  {Command::File4, "Shift+F4"}};
  for (const auto& c : cases)
    EXPECT_EQ(w.action(c.c)->shortcut().toString(), QString::fromLatin1(c.keys)) << c.keys;
  EXPECT_FALSE(w.action(Command::File1)->isVisible());
  w.set_recent_files({"&1 welle", "&2 nabe \u00e4", "", ""});
  EXPECT_TRUE(w.action(Command::File1)->isVisible());
  EXPECT_EQ(text(Command::File2), QStringLiteral("&2 nabe \u00e4"));
  EXPECT_FALSE(w.action(Command::File3)->isVisible());
}

}  // namespace
}  // namespace vx11
