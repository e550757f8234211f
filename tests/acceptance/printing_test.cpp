// Printing from the window: the standard report, the excerpt and the change log, each through the
// text window's "Datei > Drucken" and through the Windows printer channel (4), into PDF files that
// are read back page by page.
#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <filesystem>

#include "tests/acceptance/window_fixture.h"
#include "ui/main_window.h"
#include "ui/text_window.h"

namespace vx11::test {
namespace {

int form_feed_pages(const QString& text) {
  // Every line that begins with a form feed ends a page; a last page after it counts when it holds text.
  int pages = 1;
  bool text_after = false;
  for (const QString& line : text.split(u'\n')) {
    if (line.startsWith(u'\f')) {
      ++pages;
      text_after = line.size() > 1;
    } else if (!line.trimmed().isEmpty()) {
      text_after = true;
    }
  }
  return text_after ? pages : pages - 1;
}

class Printing : public WindowAcceptance {
 protected:
  // Shows a printout in the text window, prints it from its menu into a PDF file; returns the
  // pages read back and the text window's page count.
  std::vector<std::string> print_from_text_window(Command c, const std::string& name, int& window_pages,
                                                  int& dialog_last_page) {
    const std::string pdf = root + "/" + name + ".pdf";
    menu_with({{"Form_showtextfile",
                [&](QWidget* w) {
                  auto* text = static_cast<TForm_showtextfile*>(w);
                  window_pages = form_feed_pages(text->text());
                  screenshot(w, QString::fromStdString("text_window_" + name));
                  w->findChild<QAction*>("mi_DateiDrucken")->trigger();
                  close_dialog(w);
                }},
               {"QPrintDialog",
                [&](QWidget* d) {
                  auto* p = qobject_cast<QPrintDialog*>(d);
                  dialog_last_page = p->printer()->toPage();
                  print_to_pdf(d, QString::fromStdString(pdf));
                }}},
              c);
    return pdf_pages(pdf);
  }

  void menu_with(std::vector<Step> steps, Command c) {
    Person person(std::move(steps));
    menu(c);
  }
};

TEST_F(Printing, StandardReportExcerptAndChangeLogPrintEveryPageWithItsText) {
  start({example("beispiel.vxk")});
  int window_pages = 0, last = 0;
  const auto report = print_from_text_window(Command::ViewStandard, "report", window_pages, last);
  ASSERT_GT(window_pages, 1);
  EXPECT_EQ(last, window_pages) << "the print dialog offers every page";
  ASSERT_EQ(static_cast<int>(report.size()), window_pages);
  for (std::size_t p = 0; p < report.size(); ++p) {
    EXPECT_NE(report[p].find("VX11 V1.1"), std::string::npos) << "page " << p + 1 << " has its header";
    EXPECT_NE(report[p].find("Bl." + std::string(p + 1 < 10 ? " " : "") + std::to_string(p + 1)), std::string::npos)
        << report[p];
  }
  std::string all;
  for (const auto& page : report) all += page;
  EXPECT_NE(all.find("Scheibenfeder DIN 6888 - 6 x 7.5"), std::string::npos);
  EXPECT_NE(all.find("Höhe"), std::string::npos) << "umlauts are printed";
  EXPECT_NE(all.find("S355J2G3"), std::string::npos);

  const auto excerpt = print_from_text_window(Command::ViewExcerpt, "excerpt", window_pages, last);
  ASSERT_EQ(excerpt.size(), 1u);
  EXPECT_NE(excerpt[0].find("Methode B Bl. 1"), std::string::npos) << excerpt[0];
  EXPECT_NE(excerpt[0].find("Zulässige Flächenpressung"), std::string::npos);
  EXPECT_NE(excerpt[0].find("EN-GJL-300"), std::string::npos) << "both material names";

  const auto log = print_from_text_window(Command::DocShowChanges, "changes", window_pages, last);
  ASSERT_EQ(static_cast<int>(log.size()), window_pages);
  EXPECT_NE(log[0].find("Änderungsprotokoll"), std::string::npos) << log[0];
}

TEST_F(Printing, TheWindowsPrinterChannelPrintsTheReportAndTheChangeLogWithoutTheTextWindow) {
  start({example("beispiel.vxk")});
  int window_pages = 0, last = 0;
  const auto through_window = print_from_text_window(Command::ViewStandard, "report_window", window_pages, last);
  // The person chooses the Windows printer (channel 4) as the text output in the settings.
  {
    Person person({{"Tconfig", [](QWidget* d) {
                      set_field(d, "Edit_textdevice", QStringLiteral("4"));
                      press_ok(d);
                    }}});
    menu(Command::FileConfig);
  }
  ASSERT_EQ(state().config.text_device, 4);
  int offered = 0;
  const std::string pdf = root + "/report_channel4.pdf";
  menu_with({{"QPrintDialog", [&](QWidget* d) {
                offered = qobject_cast<QPrintDialog*>(d)->printer()->toPage();
                print_to_pdf(d, QString::fromStdString(pdf));
              }}},
            Command::ViewStandard);
  const auto pages = pdf_pages(pdf);
  EXPECT_EQ(offered, window_pages);
  ASSERT_EQ(pages.size(), through_window.size());
  for (std::size_t p = 0; p < pages.size(); ++p) {
    // The same text (the header's time aside).
    const auto body = [](const std::string& page) { return page.substr(std::min(page.size(), page.find("Welle"))); };
    EXPECT_EQ(body(pages[p]), body(through_window[p])) << "page " << p + 1;
  }

  const std::string log = root + "/changes_channel4.pdf";
  menu_with({{"QPrintDialog", [&](QWidget* d) { print_to_pdf(d, QString::fromStdString(log)); }}},
            Command::DocPrintChanges);
  const auto log_pages = pdf_pages(log);
  ASSERT_EQ(log_pages.size(), 1u);
  EXPECT_NE(log_pages[0].find("Änderungsprotokoll"), std::string::npos) << log_pages[0];
  EXPECT_NE(log_pages[0].find("Erstellungsdatum"), std::string::npos) << log_pages[0];
}

}  // namespace
}  // namespace vx11::test

