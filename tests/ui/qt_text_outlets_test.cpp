#include "ui/qt_text_outlets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPrintDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::ModalDriver;

// Remembers what it was asked to run.
class RecordingStarter : public ProcessStarter {
 public:
  bool exists(const std::string& program) override { return program == "editor"; }
  bool start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return true;
  }
  std::vector<std::vector<std::string>> started;
};

class RecordingPrinter : public TextPrinter {
 public:
  void print(const std::string& path) override { printed.push_back(path); }
  std::vector<std::string> printed;
};

class QtTextOutlets : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensure_application();
    copy = dir.filePath("outwin.txt").toStdString();
    std::ofstream(copy) << "       Gr\u00f6\u00dfe\n\f\n       Seite 2\n";
  }
  QTemporaryDir dir;
  std::string copy;
  ProgramIdentity identity;
  Configuration config;
  FormatSettings format;
  ScriptedInteraction ui;
  RecordingStarter starter;
  RecordingPrinter printer;
  QtTextWindow window{identity, config, printer, starter, ui};
};

TEST_F(QtTextOutlets, MissingCopyIsReportedAndNothingOpens) {
  ModalDriver drive({});
  window.show({"/no/such/outwin.txt", "/no/such/$OUT1.TMP", false});
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], "Fehler : |/no/such/outwin.txt not found !");
  EXPECT_EQ(drive.unexpected(), 0);
}

TEST_F(QtTextOutlets, ClipboardModeCopiesWithoutShowing) {
  ModalDriver drive({});
  QApplication::clipboard()->clear();
  window.show({copy, "", true});
  EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("Gr\u00f6\u00dfe")));
  EXPECT_EQ(drive.unexpected(), 0);
}

TEST_F(QtTextOutlets, WindowPrintsTheStreamFileExportsTheCopyAndKeepsItsPlace) {
  config.text_program = "editor --new";
  config.text_window = WindowRect{30, 50, 640, 480};
  QString title;
  QSize size;
  ModalDriver drive({[&](QWidget* w) {
    title = w->windowTitle();
    size = w->size();
    w->findChild<QAction*>("mi_DateiDrucken")->trigger();
    w->findChild<QAction*>("mi_dateiExportNotepad")->trigger();
    w->resize(700, 500);
    test::reject(w);
  }});
  window.show({copy, "/tmp/$OUT1.TMP", false});
  EXPECT_EQ(title, QStringLiteral("VX11 - outwin.txt"));
  EXPECT_EQ(size, QSize(640, 480));
  EXPECT_EQ(printer.printed, std::vector<std::string>{"/tmp/$OUT1.TMP"});
  ASSERT_EQ(starter.started.size(), 1u);
  EXPECT_EQ(starter.started[0], (std::vector<std::string>{"editor", "--new", copy}));
  EXPECT_EQ(config.text_window.width, 700);
  EXPECT_EQ(config.text_window.height, 500);
}

TEST_F(QtTextOutlets, ExportWithAMissingProgramIsReported) {
  config.text_program = "nothing-here";
  ModalDriver drive({[&](QWidget* w) {
    w->findChild<QAction*>("mi_dateiExportNotepad")->trigger();
    test::reject(w);
  }});
  window.show({copy, "", false});
  EXPECT_TRUE(starter.started.empty());
  EXPECT_EQ(ui.shown, std::vector<std::string>{"Fehler : |nothing-here not found"});
}

TEST_F(QtTextOutlets, PrinterReportsAMissingFileAndOtherwiseOffersThePrintDialog) {
  QtTextPrinter qt_printer(format, config, ui);
  qt_printer.print("/no/such/$OUT1.TMP");
  EXPECT_EQ(ui.shown, std::vector<std::string>{"Fehler : |/no/such/$OUT1.TMP not found !"});
  const std::string stream = dir.filePath("$OUT1.TMP").toStdString();
  std::ofstream(stream) << "Gr\x94\xe1" "e\r\n\f\r\nSeite 2\r\n";
  bool dialog = false;
  ModalDriver drive({[&](QWidget* w) {
    dialog = qobject_cast<QPrintDialog*>(w) != nullptr;
    test::reject(w);
  }});
  qt_printer.print(stream);
  EXPECT_TRUE(dialog);
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST(TextPrintoutSettings, FontAndLinesFromTheConfiguration) {
  test::ensure_application();
  Configuration config;
  config.printout_size = 12;
  config.printout_style = 3;
  config.lines_per_page = 0;  // a broken setting keeps the default
  const TextPrintout how = text_printout(config);
  EXPECT_EQ(how.lines_per_page, 66);
  EXPECT_EQ(how.font.pointSize(), 12);
  EXPECT_TRUE(how.font.bold());
  EXPECT_TRUE(how.font.italic());
  EXPECT_FALSE(how.font.underline());
}

}  // namespace
}  // namespace vx11
