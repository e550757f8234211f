// The File menu: open through Qt's file dialog, save under a typed name and open it again (series
// B kept), the configuration's import, the drawing's print into a PDF file, and the window's size
// at start (configured, last, fitted).
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/acceptance/window_fixture.h"
#include "ui/canvas.h"
#include "ui/main_window.h"

namespace vx11::test {
namespace {

namespace fs = std::filesystem;

class FileMenu : public WindowAcceptance {};

TEST_F(FileMenu, OpenThroughTheFileDialogShowsTheExampleInTheQuickView) {
  start({example("zwei_federn.vxk")});
  const std::string path = example("beispiel.vxk");
  QStringList filters;
  {
    Person person({{"QFileDialog", [&](QWidget* d) {
                      filters = qobject_cast<QFileDialog*>(d)->nameFilters();
                      choose_file(d, QString::fromStdString(path));
                    }}});
    menu(Command::FileOpen);
  }
  EXPECT_EQ(filters, (QStringList{"VXK (*.vxk)", "Alle Dateien (*)"}));
  EXPECT_EQ(state().session.recent[0], path) << state().session.recent[1];
  EXPECT_TRUE(canvas_shows("WERKSTOFF"));
  EXPECT_TRUE(canvas_shows("Scheibenfeder DIN 6888 - 6 x 7.5"));
  EXPECT_TRUE(window().windowTitle().contains(QStringLiteral("beispiel")));
  screenshot(&window(), QStringLiteral("main_window_quick"));
}

TEST_F(FileMenu, SaveAndReopenAConnectionInSeriesB) {
  start({example("beispiel.vxk")});
  {
    Person person({{"Form_vx11wst", [](QWidget* d) {
                      d->findChild<QRadioButton*>("RadioButton_b")->click();
                      press_ok(d);
                    }}});
    menu(Command::EditDimensions);
  }
  ASSERT_EQ(state().rec.key_series, 2);
  QString suffix;
  {
    Person person({{"QFileDialog", [&](QWidget* d) {
                      suffix = qobject_cast<QFileDialog*>(d)->defaultSuffix();
                      choose_file(d, QString::fromStdString(data + "reihe_b"));  // typed without its extension
                    }}});
    menu(Command::FileSaveAs);
  }
  EXPECT_EQ(suffix, QStringLiteral("vxk"));
  ASSERT_TRUE(fs::exists(data + "reihe_b.vxk"));
  close_window();

  // A new start opens it from the recent files; the dimensions dialog shows series B.
  bool series_b = false;
  {
    Person person({{"Form_vx11wst", [&](QWidget* d) {
                      series_b = d->findChild<QRadioButton*>("RadioButton_b")->isChecked();
                      close_dialog(d);
                    }}});
    start({example("zwei_federn.vxk")});
    const auto& recent = state().session.recent;
    const auto slot = std::find(recent.begin(), recent.end(), data + "reihe_b.vxk") - recent.begin();
    ASSERT_LT(slot, 4);
    const Command entries[] = {Command::File1, Command::File2, Command::File3, Command::File4};
    menu(entries[slot]);
    EXPECT_EQ(state().session.recent[0], data + "reihe_b.vxk");
    menu(Command::EditDimensions);
  }
  EXPECT_TRUE(series_b);
  EXPECT_EQ(state().rec.key_series, 2);
}

TEST_F(FileMenu, SettingsImportListsConfigurationFiles) {
  start({example("beispiel.vxk")});
  {
    Configuration other = state().config;
    other.lines_per_page = 44;
    std::ofstream out(root + "/anders.cfg", std::ios::binary);
    write_configuration(out, other, ProgramIdentity{});
  }
  QStringList filters;
  QString lines;
  {
    Person person({{"Tconfig", [](QWidget* d) { press_button(d, QStringLiteral("Button_import")); }},
                   {"QFileDialog", [&](QWidget* d) {
                      filters = qobject_cast<QFileDialog*>(d)->nameFilters();
                      choose_file(d, QString::fromStdString(root + "/anders.cfg"));
                    }},
                   {"Tconfig", [&](QWidget* d) {
                      lines = d->findChild<QLineEdit*>("Edit_lines")->text();
                      close_dialog(d);
                    }}});
    menu(Command::FileConfig);
  }
  EXPECT_EQ(filters, (QStringList{"CFG (*.cfg)", "Alle Dateien (*)"}));
  EXPECT_EQ(lines, QStringLiteral("44"));
}

TEST_F(FileMenu, TheDrawingPrintsIntoAPdfFile) {
  start({example("beispiel.vxk")});
  menu(Command::ViewShaft);
  QStringList filters;
  {
    Person person({{"TForm_printconf", [](QWidget* d) {
                      screenshot(d, QStringLiteral("print_dialog"));
                      // In colour, so that the section's outline can be told on the page.
                      d->findChild<QGroupBox*>("RadioGroup_printmono")->findChildren<QRadioButton*>()[1]->click();
                      press_ok(d);
                    }},
                   {"QFileDialog", [&](QWidget* d) {
                      filters = qobject_cast<QFileDialog*>(d)->nameFilters();
                      choose_file(d, QString::fromStdString(data + "welle"));
                    }}});
    menu(Command::FilePrint);
  }
  EXPECT_EQ(filters, (QStringList{"PDF (*.pdf)", "Alle Dateien (*)"}));
  const auto pages = pdf_pages(data + "welle.pdf");
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NE(pages[0].find("h6"), std::string::npos) << pages[0];
  // The circle is round on paper too (the page rendered at 100 dots per inch).
  ASSERT_EQ(run_program("pdftoppm", {"-r", "100", "-png", "-singlefile", data + "welle.pdf", root + "/welle_page"}), 0);
  const QImage page(QString::fromStdString(root + "/welle_page.png"));
  ASSERT_FALSE(page.isNull());
  const Measured m = measure_circle(page);
  EXPECT_GT(m.horizontal, 100);
  EXPECT_NEAR(m.horizontal, m.vertical, 1.0);
}

class WindowSize : public WindowAcceptance {
 protected:
  QSize client() { return canvas().size(); }
  QSize free_area() { return window().screen()->availableGeometry().size(); }
};

TEST_F(WindowSize, ConfiguredElseLastElseFittedToTheScreen) {
  // Nothing configured, no last size: the window fills the screen's free area as far as it can.
  start({example("beispiel.vxk")});
  EXPECT_LE(window().frameGeometry().width(), free_area().width());
  EXPECT_GE(client().width(), free_area().width() - 40);
  EXPECT_EQ(canvas().graphics().width, client().width() - 1);  // the drawing area is the client area
  // The person makes it smaller; the next start opens at that size.
  window().resize(560, 420);
  const QSize last = client();
  close_window();
  start({example("beispiel.vxk")});
  EXPECT_EQ(client(), last);
  close_window();
  // A configured size wins over the last one.
  start({example("beispiel.vxk")}, [](Configuration& c) {
    c.resolution_horizontal = 499;
    c.resolution_vertical = 299;
  });
  EXPECT_EQ(client(), QSize(500, 300));
  EXPECT_EQ(canvas().graphics().height, 299);
}

}  // namespace
}  // namespace vx11::test
