// The drawing printout dialog: presets, printing a PDF, "anpassen", named setups, printer information.
// The drawing headers come before Qt's: Qt's "emit" would otherwise rewrite a member name.
#include "draw/connection_drawing.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "calc/dbf_table.h"
#include "draw/mapping.h"
#include "base/text.h"
#include "tests/ui/print_fixture.h"
#include "tests/ui/qt_test_support.h"
#include "ui/print_info.h"
#include "ui/print_run.h"

namespace vx11::test {
namespace {

int checked_item(QWidget* dialog, const char* group) {
  const auto buttons = dialog->findChild<QGroupBox*>(group)->findChildren<QRadioButton*>();
  for (int i = 0; i < buttons.size(); ++i)
    if (buttons[i]->isChecked()) return i;
  return -1;
}

bool checked(QWidget* dialog, const char* box) { return dialog->findChild<QCheckBox*>(box)->isChecked(); }

// Dark pixels of the PDF's first page, rasterised by the independent reader at 20 dpi.
int dark_pixels(const std::string& pdf, const std::string& png) {
  QProcess gs;
  gs.start("gs", {"-q", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r20", QString::fromStdString("-sOutputFile=" + png),
                  QString::fromStdString(pdf)});
  if (!gs.waitForFinished(30000) || gs.exitCode() != 0) return -1;
  const QImage img(QString::fromStdString(png));
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += qGray(img.pixel(x, y)) < 128;
  return n;
}

struct DbfRows {
  int count = 0;
  std::vector<std::string> last;  // fields 1..9 of the last record
};
DbfRows read_setups(const std::string& path) {
  DbfTable t;
  std::string problem;
  bool unreadable = false;
  DbfRows r;
  if (!t.open(path, false, problem, unreadable)) return r;
  r.count = t.record_count();
  for (int f = 1; f <= t.field_count(); ++f) r.last.push_back(t.text(r.count, f));
  return r;
}

TEST_F(PrintTest, OpensWithTheConfigurationEveryTime) {
  Configuration& c = state->config;
  c.screendump_scale = 1.5L;
  c.print_scale_vertical = 0;  // below 0.0001: the screendump scale
  c.screendump_origin_x = 10;
  c.screendump_origin_y = 20;
  c.screendump_border = true;
  c.windows_print_mode = 2;
  c.printer_orientation = 1;
  for (int opening = 0; opening < 2; ++opening) {
    TForm_printconf d(context(), PrintDialogMode::Print);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Ausdruck"));
    EXPECT_EQ(text_of(&d, "Edit_scalex"), "1.5") << opening;
    EXPECT_EQ(text_of(&d, "Edit_scaley"), "1.5") << opening;
    EXPECT_EQ(text_of(&d, "Edit_xorigin"), "10") << opening;
    EXPECT_EQ(text_of(&d, "Edit_yorigin"), "20") << opening;
    EXPECT_TRUE(checked(&d, "CheckBox_umrandung")) << opening;
    EXPECT_EQ(checked_item(&d, "RadioGroup_printmono"), 1) << opening;
    EXPECT_EQ(checked_item(&d, "RadioGroup_hochquer"), 0) << opening;
    // What the person changes is forgotten when the dialog closes.
    retype(&d, "Edit_scalex", "3");
    d.findChild<QGroupBox*>("RadioGroup_hochquer")->findChildren<QRadioButton*>()[1]->setChecked(true);
    d.reject();
    EXPECT_TRUE(state->rec.cancelled);
  }
}

TEST_F(PrintTest, CaptionsOfTheControls) {
  TForm_printconf d(context(), PrintDialogMode::Print);
  const std::pair<const char*, const char*> buttons[] = {
      {"Button_ok", "OK"},           {"Button_cancel", "Abbrechen"},
      {"Button_help", "&Hilfe"},     {"Button_db", "Datenbank"},
      {"Button_append", "Ü&bernehmen Datenbank"}, {"Button_printer", "Drucker..."}};
  for (const auto& [name, caption] : buttons)
    EXPECT_EQ(d.findChild<QPushButton*>(name)->text(), QString::fromUtf8(caption)) << name;
  EXPECT_TRUE(d.findChild<QPushButton*>("Button_ok")->isDefault());
  EXPECT_EQ(d.findChild<QLabel*>("Label_scalex")->text(), QStringLiteral("Maßstab x"));
  EXPECT_EQ(d.findChild<QGroupBox*>("RadioGroup_printmono")->title(), QStringLiteral("Schattierung"));
  EXPECT_EQ(d.findChild<QCheckBox*>("CheckBox_anpassen")->text(), QStringLiteral("anpassen"));
}

TEST_F(PrintTest, PrintsTheDrawingAsOnePdfPage) {
  draw(kViewAssembly);
  const std::string pdf = print_into("assembly");
  TForm_printconf d(context(), PrintDialogMode::Print);
  EXPECT_EQ(d.findChild<QLabel*>("Label_printer")->text().left(5), QStringLiteral("PDF: "));
  d.accept();
  EXPECT_FALSE(state->rec.cancelled);
  EXPECT_FALSE(canvas.graphics().print_flag);
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
  EXPECT_EQ(pdf_pages(pdf), 1);
  EXPECT_GT(dark_pixels(pdf, root + "/assembly.png"), 200);  // the drawing, not an empty page
  if (const char* dir = std::getenv("VX11_SCREENSHOT_DIR"); dir && *dir)
    std::filesystem::copy_file(pdf, std::string(dir) + "/print_assembly.pdf",
                               std::filesystem::copy_options::overwrite_existing);
}

TEST_F(PrintTest, WithoutPrinterTheDrawingGoesToTheChosenPdfFile) {
  if (has_platform_printer()) GTEST_SKIP() << "this machine has a printer";
  draw(kViewKey);
  ASSERT_TRUE(needs_pdf_file(printer));
  const std::string pdf = root + "/gewählt.pdf";
  ui.files = {std::nullopt, pdf};  // a file name, as the dialog gives it
  TForm_printconf d(context(), PrintDialogMode::Print);
  d.accept();  // the file choice is cancelled: nothing printed, the dialog stays
  EXPECT_TRUE(state->rec.cancelled);
  EXPECT_EQ(d.result(), 0);
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(pdf_pages(pdf), 1);
}

TEST_F(PrintTest, AnpassenPrintsTheWholeDrawingAndShowsTheFullView) {
  struct Case {
    const char* name;
    bool anpassen;
    bool zoom_kept;
  };
  for (const Case c : {Case{"zoomed part", false, true}, Case{"whole drawing", true, false}}) {
    draw(kViewShaft);
    const ZoomRect full = zoomRect(canvas.graphics());
    const ZoomRect zoomed = zoomAfterKey(canvas.graphics(), ZoomKey::ZoomIn);
    canvas.surface().SetScale(zoomed.x1, zoomed.y1, zoomed.x2, zoomed.y2);
    print_into(c.name);
    TForm_printconf d(context(), PrintDialogMode::Print);
    d.findChild<QCheckBox*>("CheckBox_anpassen")->setChecked(c.anpassen);
    d.accept();
    const ZoomRect after = zoomRect(canvas.graphics());
    EXPECT_EQ(after == zoomed, c.zoom_kept) << c.name;
    if (!c.zoom_kept) {
      EXPECT_NE(after, full) << c.name;  // the plain window's whole viewport
    }
    EXPECT_EQ(pdf_pages(root + "/" + c.name + ".pdf"), 1) << c.name;
  }
}

TEST_F(PrintTest, PlacementComesFromTheEditsOnOk) {
  draw(kViewHub);
  print_into("placed");
  TForm_printconf d(context(), PrintDialogMode::Print);
  retype(&d, "Edit_scalex", "0,5");  // a comma counts as the decimal point
  retype(&d, "Edit_scaley", "2");
  retype(&d, "Edit_xorigin", "15");
  retype(&d, "Edit_yorigin", "2,6");  // whole millimetres: rounded
  d.findChild<QGroupBox*>("RadioGroup_printmono")->findChildren<QRadioButton*>()[1]->setChecked(true);
  d.findChild<QCheckBox*>("CheckBox_umrandung")->setChecked(true);
  d.accept();
  const GraphicsState& g = canvas.graphics();
  EXPECT_EQ(g.stretch_x, 0.5L);
  EXPECT_EQ(g.stretch_y, 2);
  EXPECT_EQ(g.margin_x_mm, 15);
  EXPECT_EQ(g.margin_y_mm, 3);
  EXPECT_EQ(g.printer_colour_mode, 2);
  EXPECT_TRUE(g.print_frame);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintTest, SetupFromTheTableFillsTheControlsAndIsRemembered) {
  browser.confirm(2);  // "A4 Querformat angepasst"
  browser.confirm();
  TForm_printconf d(context(), PrintDialogMode::Print);
  d.findChild<QGroupBox*>("RadioGroup_printmono")->findChildren<QRadioButton*>()[1]->setChecked(true);
  d.take_setup();
  EXPECT_EQ(setup_row, 2);
  EXPECT_EQ(text_of(&d, "Edit_scalex"), "1.0000");  // the field's text as stored
  EXPECT_EQ(text_of(&d, "Edit_xorigin"), "0");
  EXPECT_EQ(checked_item(&d, "RadioGroup_hochquer"), 1);
  EXPECT_EQ(checked_item(&d, "RadioGroup_printmono"), 0);
  EXPECT_TRUE(checked(&d, "CheckBox_anpassen"));
  EXPECT_TRUE(checked(&d, "CheckBox_umrandung"));
  ASSERT_EQ(browser.shown.size(), 1u);
  EXPECT_EQ(browser.shown[0].help_number, kHelpPrintSetupTable);
  EXPECT_FALSE(state->tables.is_open());
  d.take_setup();  // the next choice opens on the remembered row
  ASSERT_EQ(browser.opened_on.size(), 2u);
  EXPECT_EQ(browser.opened_on[1], 2);
}

TEST_F(PrintTest, CancelledSetupChoiceChangesNothing) {
  browser.cancel(3);
  TForm_printconf d(context(), PrintDialogMode::Print);
  d.take_setup();
  EXPECT_EQ(setup_row, 0);
  EXPECT_FALSE(checked(&d, "CheckBox_anpassen"));
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(PrintTest, StoringASetupAppendsANamedRow) {
  ui.texts = {std::string("Werkstatt A3 mit sehr langem Namen"), std::nullopt};
  TForm_printconf d(context(), PrintDialogMode::Print);
  retype(&d, "Edit_scalex", "1.25");
  retype(&d, "Edit_scaley", "0.8");
  retype(&d, "Edit_xorigin", "12");
  retype(&d, "Edit_yorigin", "7");
  d.findChild<QCheckBox*>("CheckBox_anpassen")->setChecked(true);
  d.store_setup();
  const DbfRows rows = read_setups(root + "/dbf/printout.dbf");
  ASSERT_EQ(rows.count, 4);
  const std::vector<std::string> want = {"Werkstatt A3 mit sehr lan", "1.2500", "0.8000", "12", "7", "T", "T", "T", "F"};
  EXPECT_EQ(rows.last, want);
  d.store_setup();  // the name question cancelled: no row
  EXPECT_EQ(read_setups(root + "/dbf/printout.dbf").count, 4);
  EXPECT_FALSE(state->tables.is_open());
}

TEST_F(PrintTest, SetupTableInTheStartFolderComesFirst) {
  const std::string start = root + "/start";
  std::filesystem::create_directories(start);
  std::filesystem::copy_file(root + "/dbf/printout.dbf", start + "/printout.dbf");
  const auto was = std::filesystem::current_path();
  std::filesystem::current_path(start);
  ui.texts = {std::string("Hier")};
  {
    TForm_printconf d(context(), PrintDialogMode::Print);
    d.store_setup();
  }
  std::filesystem::current_path(was);
  EXPECT_EQ(read_setups(start + "/printout.dbf").count, 4);
  EXPECT_EQ(read_setups(root + "/dbf/printout.dbf").count, 3);
}

TEST_F(PrintTest, PrinterInformationListsCapabilitiesThenFonts) {
  print_into("info");
  const auto rows = printer_info_rows(printer);
  const char* names[] = {"Name", "Treiberversion", "Technologie", "Druckbreite (mm)", "Druckhöhe (mm)",
                         "Breite (Pixel)", "Höhe (Pixel)", "Linker Seitenoffset (Pixel)",
                         "Oberer Seitenoffset (Pixel)", "DPI (horizontal)", "DPI (vertikal)", "Pinsel", "Stifte",
                         "Markierer", "Farben", "Schriften"};
  ASSERT_GE(rows.size(), 16u);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(rows[i].first, QString::fromUtf8(names[i])) << i;
  EXPECT_EQ(rows[2].second, QStringLiteral("Metafile"));
  EXPECT_EQ(rows[15].second.toInt(), static_cast<int>(rows.size()) - 16);
  for (std::size_t i = 16; i < rows.size(); ++i) EXPECT_TRUE(rows[i].first.isEmpty());
  TForm_printerinfo info(printer);
  EXPECT_EQ(info.windowTitle(), QStringLiteral("Printer Info"));
  EXPECT_EQ(info.findChild<QTableWidget*>("StringGrid1")->rowCount(), static_cast<int>(rows.size()));
}

TEST_F(PrintTest, PrinterInformationModePrintsNothing) {
  draw(kViewAssembly);
  const std::string pdf = print_into("nothing");
  ModalDriver driver({[](QWidget* w) {
    EXPECT_EQ(w->objectName(), QStringLiteral("TForm_printerinfo"));
    click(w, "Button_ok");
  }});
  TForm_printconf d(context(), PrintDialogMode::PrinterInfo);
  d.accept();
  EXPECT_EQ(driver.steps_run(), 1);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace vx11::test
