// The main window's file, edit, database, documentation and report commands driven like a user.
#include <QAction>
#include <QComboBox>
#include <QMenu>

#include <filesystem>
#include <fstream>

#include "tests/ui/qt_test_support.h"
#include "tests/ui/window_fixture.h"
#include "ui/form_preview.h"
#include "tests/support/files.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;
using test::ModalDriver;
using test::press;

class WindowCommands : public test::WindowTest {
 protected:
  void open(const std::string& path) {
    ui.files.push_back(path);
    w.run_command(Command::FileOpen);
  }
  QAction* item(Command c) const { return w.action(c); }
  bool separator_n10_visible() const {
    for (QAction* a : w.findChild<QMenu*>("mi_file")->actions())
      if (a->objectName() == QLatin1String("N10")) return a->isVisible();
    return false;
  }
};

TEST_F(WindowCommands, NewQuickInputSaveOpenGivesTheSameRecord) {
  browser.confirm();  // the key table after the predesign's OK
  ModalDriver drive({
      [](QWidget* d) {
        retype(d, "Edit_zeichnr1", "4711-01");
        retype(d, "Edit_zeichname1", QString::fromUtf8("Antriebswelle Größe 2"));
        press(d, Qt::Key_Return);
      },
      [](QWidget* d) {
        retype(d, "Edit_tnenn", "80");
        retype(d, "Edit_d", "20");
        press(d, Qt::Key_Return);
      },
      [](QWidget* d) {
        d->findChild<QComboBox*>("ComboBox_anzahl")->setCurrentIndex(1);
        retype(d, "Edit_alphakb", "4,5");
        press(d, Qt::Key_Return);
      },
      [](QWidget* d) {
        retype(d, "Edit_fw", "0,7");
        retype(d, "Edit_mbmax", "15");
        press(d, Qt::Key_Return);
      },
  });
  w.run_command(Command::FileNew);
  EXPECT_EQ(drive.steps_run(), 4);
  EXPECT_EQ(drive.unexpected(), 0);
  EXPECT_TRUE(state->session.unsaved_changes);
  EXPECT_EQ(state->session.current_file, "");
  EXPECT_EQ(caption(), QStringLiteral("VX11  -  Scheibenfederberechnung"));
  EXPECT_EQ(state->rec.inner_part_number, "4711-01");
  EXPECT_EQ(state->rec.key_count, 2);
  // The message dialog after a complete sequence.
  EXPECT_FALSE(ui.asked.empty());

  // Save without a name opens the save dialog.
  const std::string path = root + "/neu.vxk";
  ui.files.push_back(path);
  w.run_command(Command::FileSave);
  ASSERT_TRUE(fs::exists(path));
  EXPECT_FALSE(state->session.unsaved_changes);
  EXPECT_EQ(state->session.current_file, "neu");
  EXPECT_EQ(caption(), QStringLiteral("VX11  -  Scheibenfederberechnung  -  neu.vxk"));
  EXPECT_EQ(state->session.recent[0], path);

  const ConnectionRecord saved = state->rec;
  state->rec.inner_part_number = "anders";
  state->rec.nominal_torque_tn = 1;
  state->rec.key_count = 1;
  open(path);
  test::expect_same_inputs(state->rec, saved);
  EXPECT_FALSE(state->session.unsaved_changes);
}

TEST_F(WindowCommands, CancelledQuickInputStillRatesAndCountsAsChanged) {
  open(example("beispiel"));  // no template: New starts from these inputs
  state->rec.safety_seq[0] = -1;
  ModalDriver drive({[](QWidget* d) { press(d, Qt::Key_Escape); }});
  w.run_command(Command::FileNew);
  EXPECT_EQ(drive.steps_run(), 1);
  EXPECT_EQ(drive.unexpected(), 0);  // nothing after the cancelled dialog
  EXPECT_NE(state->rec.safety_seq[0], -1);
  EXPECT_TRUE(state->session.unsaved_changes);
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(WindowCommands, NewAsksBeforeDroppingUnsavedInputs) {
  state->session.unsaved_changes = true;
  ui.answers = {Answer::No};  // "Bisherige Eingaben verwerfen ?" No keeps them
  ModalDriver drive({});
  w.run_command(Command::FileNew);
  EXPECT_EQ(drive.unexpected(), 0);  // no dialog opened
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0], "VX11  -  Scheibenfederberechnung|Bisherige Eingaben verwerfen ?");
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(WindowCommands, ErrorMessagesItemCountsTheMessagesOfTheRating) {
  // The view group brings the item's handler; it is enabled only with one.
  w.set_handler(Command::ViewErrorMessages, [] {});
  struct Case {
    const char* file;
    int count;
  };
  for (const Case& c : {Case{"ueberlast", 4}, Case{"zwei_federn", 0}, Case{"beispiel", 1}}) {
    open(example(c.file));
    EXPECT_EQ(state->messages.count(), c.count) << c.file;
    EXPECT_EQ(item(Command::ViewErrorMessages)->text(),
              QStringLiteral("&Fehlermeldungen (%1)").arg(c.count))
        << c.file;
    EXPECT_EQ(item(Command::ViewErrorMessages)->isEnabled(), c.count > 0) << c.file;
  }
}

TEST_F(WindowCommands, RecentFilesAfterOpenAndTheirCommands) {
  EXPECT_FALSE(separator_n10_visible());
  const std::string a = example("beispiel"), b = example("biegung");
  open(a);
  open(b);
  EXPECT_EQ(item(Command::File1)->text(), QString::fromStdString("&1 " + b));
  EXPECT_EQ(item(Command::File2)->text(), QString::fromStdString("&2 " + a));
  EXPECT_TRUE(item(Command::File1)->isVisible());
  EXPECT_TRUE(item(Command::File2)->isVisible());
  EXPECT_FALSE(item(Command::File3)->isVisible());
  EXPECT_TRUE(separator_n10_visible());
  EXPECT_EQ(caption(), QStringLiteral("VX11  -  Scheibenfederberechnung  -  biegung.vxk"));

  item(Command::File2)->trigger();
  EXPECT_EQ(state->session.current_file, "beispiel");
  EXPECT_EQ(item(Command::File1)->text(), QString::fromStdString("&1 " + a));
  EXPECT_EQ(caption(), QStringLiteral("VX11  -  Scheibenfederberechnung  -  beispiel.vxk"));

  fs::remove(b);
  item(Command::File2)->trigger();
  EXPECT_EQ(ui.shown.back(), "Meldung:|File " + b + " not found !");
  EXPECT_FALSE(item(Command::File2)->isVisible());
  EXPECT_EQ(state->session.current_file, "beispiel");
}

TEST_F(WindowCommands, InputDialogsRateWhereTheyShould) {
  struct Case {
    const char* name;
    Command command;
    Qt::Key key;
    bool rated;
    bool changed;
  };
  const Case cases[] = {
      {"loads OK", Command::EditLoad, Qt::Key_Return, true, true},
      {"loads cancelled", Command::EditLoad, Qt::Key_Escape, false, false},
      {"dimensions cancelled", Command::EditDimensions, Qt::Key_Escape, false, false},
      {"materials cancelled", Command::EditMaterial, Qt::Key_Escape, true, false},
      {"predesign cancelled", Command::EditPredesign, Qt::Key_Escape, true, false},
      {"design aid cancelled", Command::EditDesign, Qt::Key_Escape, false, false},
      {"design aid takes its proposal", Command::EditDesign, Qt::Key_Return, true, true},
  };
  open(example("beispiel"));
  for (const auto& c : cases) {
    state->session.unsaved_changes = false;
    state->rec.safety_seq[0] = -1;
    ModalDriver drive({[&c](QWidget* d) { press(d, c.key); }});
    w.run_command(c.command);
    EXPECT_EQ(drive.steps_run(), 1) << c.name;
    EXPECT_EQ(drive.unexpected(), 0) << c.name;
    EXPECT_EQ(state->rec.safety_seq[0] != -1, c.rated) << c.name;
    EXPECT_EQ(state->session.unsaved_changes, c.changed) << c.name;
    EXPECT_FALSE(state->rec.cancelled) << c.name;
  }
}

TEST_F(WindowCommands, KeyTableEditorChoosesTheKeyAndRates) {
  open(example("beispiel"));
  const int before = state->rec.key_row_number;
  browser.confirm(before + 1);
  state->rec.safety_seq[0] = -1;
  w.run_command(Command::DbKeyTable);
  ASSERT_EQ(browser.shown.size(), 1u);
  EXPECT_EQ(browser.shown[0].mode, BrowseMode::Edit);
  EXPECT_EQ(state->rec.key_row_number, before + 1);
  EXPECT_TRUE(state->session.unsaved_changes);
  EXPECT_NE(state->rec.safety_seq[0], -1);
  // The other tables open for editing and leave the inputs alone.
  state->session.unsaved_changes = false;
  for (Command c : {Command::DbMaterial, Command::DbMaterialType, Command::DbShaftSeries}) w.run_command(c);
  ASSERT_EQ(browser.shown.size(), 4u);
  for (const auto& r : browser.shown) EXPECT_EQ(r.mode, BrowseMode::Edit);
  EXPECT_FALSE(state->session.unsaved_changes);
}

TEST_F(WindowCommands, ReportGoesToTheTextWindowNamedAfterTheInput) {
  open(example("beispiel"));
  state->config.text_device = kChannelScreen;
  state->config.text_device_window = false;
  w.run_command(Command::ViewStandard);
  ASSERT_EQ(window.shown.size(), 1u);
  const std::string text = test::read_file(window.shown[0].converted_path);
  EXPECT_NE(text.find("beispiel"), std::string::npos);
  EXPECT_NE(text.find("Scheibenfeder"), std::string::npos);
  w.run_command(Command::ViewExcerpt);
  EXPECT_EQ(window.shown.size(), 2u);
}

TEST_F(WindowCommands, ChangeLogCommandsKeepTheirChangesForTheCloseQuery) {
  open(example("beispiel"));
  state->config.text_device = kChannelScreen;
  state->config.text_device_window = false;
  const int n = state->doc.change_count;
  ModalDriver drive({[](QWidget* d) {
    retype(d, "Edit_aenderung", "Neue Nut");
    press(d, Qt::Key_Return);
  }});
  w.run_command(Command::DocNewChange);
  EXPECT_EQ(drive.steps_run(), 1);
  EXPECT_EQ(state->doc.change_count, n + 1);
  EXPECT_TRUE(state->session.unsaved_changes);
  EXPECT_EQ(window.shown.size(), 1u);  // the change log on the screen
  state->session.unsaved_changes = false;
  w.run_command(Command::DocShowChanges);
  EXPECT_EQ(window.shown.size(), 2u);
  EXPECT_FALSE(state->session.unsaved_changes);
  w.run_command(Command::DocDeleteChange);
  EXPECT_EQ(state->doc.change_count, n);
  EXPECT_TRUE(state->session.unsaved_changes);
}

TEST_F(WindowCommands, CommandsWithoutHandlersStayDisabled) {
  for (Command c : {Command::FileNew, Command::FileOpen, Command::FileSave, Command::FileSaveAs, Command::FileConfig,
                    Command::EditText, Command::EditDimensions, Command::EditMaterial, Command::EditLoad,
                    Command::EditPredesign, Command::EditDesign, Command::ViewStandard, Command::ViewExcerpt,
                    Command::DbKeyTable, Command::DbShaftSeries, Command::DocDrawingInfo, Command::Document5,
                    Command::DocumentSetup})
    EXPECT_TRUE(item(c)->isEnabled()) << command_item_name(c);
  EXPECT_TRUE(item(Command::FileOpenTable)->isEnabled());
  // The view group's commands are not installed on this bench.
  EXPECT_FALSE(item(Command::FilePrint)->isEnabled());
}

}  // namespace
}  // namespace vx11

namespace vx11 {
namespace {

TEST_F(WindowCommands, SettingsTakeEffectOnOkOnly) {
  struct Case {
    const char* name;
    const char* button;
    QString file_menu;
  };
  // The configured language is not shown yet: OK of the settings switches to it.
  const Case cases[] = {{"cancelled", "Button_cancel", QStringLiteral("&Datei")},
                        {"confirmed", "Button_ok", QStringLiteral("&File")}};
  for (const auto& c : cases) {
    state->config.language = kLanguageEnglish;
    state->config.decimals = 3;
    ModalDriver drive({[&c](QWidget* d) {
      d->findChild<QLineEdit*>("Edit_decimals")->setText("5");  // on a page not shown
      test::click(d, c.button);
    }});
    w.run_command(Command::FileConfig);
    EXPECT_EQ(drive.steps_run(), 1) << c.name;
    EXPECT_EQ(w.findChild<QMenu*>("mi_file")->title(), c.file_menu) << c.name;
    EXPECT_EQ(state->config.decimals, c.button == std::string("Button_ok") ? 5 : 3) << c.name;
  }
}

}  // namespace
}  // namespace vx11

namespace vx11 {
namespace {

TEST_F(WindowCommands, OpenTableOpensTheChosenRowsFile) {
  example("beispiel");
  example("biegung");
  state->rec.shaft_diameter_d = 999;
  ModalDriver drive({
      [](QWidget* d) {
        auto* grid = dynamic_cast<TForm_preview*>(d);
        ASSERT_NE(grid, nullptr);
        grid->StringGrid1Click(1, 0);  // the first file, by name
      },
      [](QWidget* d) { press(d, Qt::Key_Escape); },  // the grid again: Exit
  });
  w.action(Command::FileOpenTable)->trigger();
  EXPECT_EQ(drive.steps_run(), 2);
  EXPECT_EQ(drive.unexpected(), 0);
  EXPECT_EQ(state->session.current_file, "beispiel");
  EXPECT_EQ(state->rec.shaft_diameter_d, 20);
  EXPECT_EQ(caption(), QStringLiteral("VX11  -  Scheibenfederberechnung  -  beispiel.vxk"));
  EXPECT_FALSE(state->rec.cancelled);
}

}  // namespace
}  // namespace vx11
