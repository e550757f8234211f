// File names in the window are the file system's own: the caption, the recent-file menu and the
// table browser show "Prüfstück_ä.vxk" as it is, whatever the code-page conversion does to texts.
// A save that fails leaves the inputs marked as unsaved; the key series survives a save. Ended
// programs are collected.
#include <QAction>
#include <QApplication>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/ui/qt_test_support.h"
#include "tests/ui/tdbf4_fixture.h"
#include "tests/ui/window_fixture.h"
#include "ui/program_reaper.h"
#include "tests/support/files.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

const char* const kUmlautName = "Pr\xC3\xBC" "fst\xC3\xBC" "ck_\xC3\xA4";  // UTF-8, as the file system has it

class WindowFileNames : public test::WindowTest {
 protected:
  std::string copy_as(const std::string& name) {
    const std::string path = root + "/" + name + ".vxk";
    fs::copy_file(example("beispiel"), path);
    return path;
  }
};

TEST_F(WindowFileNames, CaptionAndRecentFilesShowTheNameAsTheFileSystemGivesIt) {
  const std::string path = copy_as(kUmlautName);
  ui.files.push_back(path);
  w.run_command(Command::FileOpen);
  ASSERT_EQ(state->session.current_file, kUmlautName);
  const std::string expected = std::string("VX11  -  Scheibenfederberechnung  -  ") + kUmlautName + ".vxk";
  EXPECT_EQ(caption().toStdString(), expected);
  const QString recent = w.action(Command::File1)->text();
  EXPECT_TRUE(recent.endsWith(QString::fromUtf8(kUmlautName) + QStringLiteral(".vxk"))) << recent.toStdString();
  EXPECT_FALSE(recent.contains(QChar(0x251C))) << recent.toStdString();  // no "├" of a second conversion

  // The plain-letter mode changes texts, never names.
  state->config.ascii_mode = 1;
  state->apply_configuration();
  ASSERT_TRUE(state->format.ascii_mode);
  ui.files.push_back(path);
  w.run_command(Command::FileOpen);
  EXPECT_EQ(caption().toStdString(), expected);
}

TEST_F(WindowFileNames, AFailedSaveKeepsTheInputsUnsaved) {
  // The longest name a folder takes: the new file beside it would need a longer one.
  const std::string path = copy_as(std::string(251, 'n'));
  ui.files.push_back(path);
  w.run_command(Command::FileOpen);
  const std::string before = test::read_file(path);
  state->session.unsaved_changes = true;
  ui.shown.clear();
  w.run_command(Command::FileSave);
  EXPECT_TRUE(state->session.unsaved_changes);  // nothing says "saved"
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_NE(ui.shown[0].find("nicht gespeichert, die bisherige Datei bleibt unver\x84ndert"), std::string::npos);
  EXPECT_EQ(test::read_file(path), before);
}

TEST_F(WindowFileNames, AConnectionSavedInSeriesBReopensInSeriesB) {
  ui.files.push_back(copy_as("beispiel_a"));
  w.run_command(Command::FileOpen);
  ASSERT_EQ(state->rec.key_series, 1);
  state->rec.key_series = 2;
  const std::string path = root + "/serie_b.vxk";
  ui.files.push_back(path);
  w.run_command(Command::FileSaveAs);
  ASSERT_TRUE(fs::exists(path));
  state->rec.key_series = 1;
  ui.files.push_back(path);
  w.run_command(Command::FileOpen);
  EXPECT_EQ(state->rec.key_series, 2);
  EXPECT_FALSE(state->session.unsaved_changes);
}

class BrowserFileNames : public test::Tdbf4Test {};

TEST_F(BrowserFileNames, CaptionAndFileLabelShowTheTableNameUnconverted) {
  const std::string path = folder + "/" + kUmlautName + ".dbf";
  fs::copy_file(folder + "/teile.dbf", path);
  ASSERT_TRUE(tables.open_table(ctx, path));
  QString caption, file_label;
  test::ModalDriver drive({[&](QWidget* w) {
    caption = w->windowTitle();
    file_label = label(w, "Label_filename");
    test::press(w, Qt::Key_Escape);
  }});
  tables.browse(ctx, 2);
  ASSERT_EQ(drive.steps_run(), 1);
  EXPECT_EQ(caption.toStdString(), "Teileliste  Teile  (" + path + ")");
  EXPECT_EQ(file_label.toStdString(), path);
}

TEST(ProgramReaperTest, TheWindowCollectsEndedProgramsWhileItRuns) {
  test::ensure_application();
  SpawnProcessStarter starter;
  ProgramReaper reaper(starter);
  ASSERT_TRUE(starter.start({"/bin/true"}));
  ASSERT_TRUE(starter.start({"/bin/sh", "-c", "exit 3"}));
  // No further start and no end of the window: the reaper's timer alone collects them.
  for (int i = 0; i < 60 && !starter.running().empty(); ++i) QTest::qWait(50);
  EXPECT_TRUE(starter.running().empty());
}

}  // namespace
}  // namespace vx11
