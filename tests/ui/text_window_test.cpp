#include "ui/text_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/qt_test_support.h"
#include "ui/screen_fit.h"

namespace vx11 {
namespace {

// Three report pages as the report stream writes them: a form-feed line ends each page.
const QString kReport = QStringLiteral(
    "       Seite 1 \u00c4nderung\n\f\n"
    "       Seite 2 Ma\u00df\n\f\n"
    "       Seite 3\n\f\n");

class TextWindow : public ::testing::Test {
 protected:
  void SetUp() override { test::ensure_application(); }
};

TEST_F(TextWindow, ShowsTheTextReadOnlyAndMonospaced) {
  TForm_showtextfile w(QStringLiteral("VX11 - bericht.txt"), kReport);
  auto* memo = w.findChild<QPlainTextEdit*>("Memo1");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("VX11 - bericht.txt"));
  EXPECT_FALSE(memo->toPlainText().contains(u'\f'));  // page ends appear as empty lines
  EXPECT_TRUE(memo->toPlainText().contains(QStringLiteral("Seite 2 Ma\u00df")));
  EXPECT_EQ(w.text(), kReport);  // the printout keeps its page ends
}

TEST_F(TextWindow, MenuItemsAndExport) {
  TForm_showtextfile w(QStringLiteral("VX11 - x"), kReport);
  struct Case {
    const char* name;
    const char* caption;
  };
  const Case cases[] = {{"mi_DateiDrucken", "&Drucken..."},       {"mi_dateiExportNotepad", "Export &Notepad"},
                        {"mi_dateiBeenden", "&Beenden       "},   {"mi_EditMarkAll", "Alles aus&w\u00e4hlen"},
                        {"mi_EditCopy", "&Kopieren"},             {"mi_DateiSpeichernUnter", "Speichern &unter..."}};
  for (const auto& c : cases) {
    auto* a = w.findChild<QAction*>(c.name);
    ASSERT_NE(a, nullptr) << c.name;
    EXPECT_EQ(a->text(), QString::fromUtf8(c.caption));
  }
  EXPECT_EQ(w.findChild<QMenu*>("mi_Datei")->title(), QStringLiteral("&Datei"));
  auto* exp = w.findChild<QAction*>("mi_dateiExportNotepad");
  EXPECT_FALSE(exp->isEnabled());
  int exported = 0;
  w.set_export([&] { ++exported; });
  EXPECT_TRUE(exp->isEnabled());
  exp->trigger();
  EXPECT_EQ(exported, 1);
}

TEST_F(TextWindow, CopyAllPutsTheShownTextOnTheClipboard) {
  TForm_showtextfile w(QStringLiteral("VX11 - x"), kReport);
  QApplication::clipboard()->clear();
  w.copy_all();
  const QString copied = QApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith(QStringLiteral("       Seite 1 \u00c4nderung")));
  EXPECT_TRUE(copied.contains(QStringLiteral("Seite 3")));
}

TEST_F(TextWindow, SaveAsWritesUtf8AndReportsFailure) {
  QTemporaryDir dir;
  TForm_showtextfile w(QStringLiteral("VX11 - x"), kReport);
  const QString path = dir.filePath("kopie.txt");
  ASSERT_TRUE(w.save_as(path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(f.readAll()), kReport);
  EXPECT_FALSE(w.save_as(dir.filePath("no/such/folder/kopie.txt")));
}

TEST_F(TextWindow, PlacementOnlyWithASize) {
  TForm_showtextfile w(QStringLiteral("VX11 - x"), kReport);
  const QSize before = w.size();
  w.place(10, 20, 0, 300);
  EXPECT_EQ(w.size(), before);
  w.place(10, 20, 500, 300);
  EXPECT_EQ(w.size(), QSize(500, 300));
}

TEST_F(TextWindow, AReportLineFitsInTheFontOfThePrintout) {
  TForm_showtextfile w(QStringLiteral("VX11 - x"), kReport);
  TextPrintout how;
  how.font = QFont(QStringLiteral("Monospace"), 24);
  how.font.setStyleHint(QFont::TypeWriter);
  w.set_printout(how);
  // As wide as a report line where the screen has room; never wider than the screen (it scrolls).
  const int line = QFontMetrics(how.font).horizontalAdvance(QString(80, u'M'));
  EXPECT_EQ(w.width(), std::min(line + 40, screen_room(&w).width()));
  how.font.setPointSize(8);
  w.set_printout(how);
  EXPECT_GE(w.width(), QFontMetrics(how.font).horizontalAdvance(QString(80, u'M')));
  // A size of the configuration still wins.
  w.place(10, 20, 500, 300);
  EXPECT_EQ(w.size(), QSize(500, 300));
}

TEST(TextPrintout, PageCount) {
  struct Case {
    const char* name;
    QString text;
    int pages;
  };
  const Case cases[] = {
      {"report with a page end after each page", kReport, 3},
      {"last page without a page end", QStringLiteral("a\n\f\nb\n\f\nc\n"), 3},
      {"no page end", QStringLiteral("a\nb\n"), 1},
      {"empty", QString(), 1},
      {"blank lines behind the last page end", QStringLiteral("a\n\f\n\n  \n"), 1},
      {"text behind a form feed", QStringLiteral("a\n\fb\n"), 2},
  };
  for (const auto& c : cases) EXPECT_EQ(count_text_pages(c.text), c.pages) << c.name;
}

int pdf_pages(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QString pdf = QString::fromLatin1(f.readAll());
  return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(TextPrintout, PrintsTheChosenPagesToPdf) {
  test::ensure_application();
  QTemporaryDir dir;
  struct Case {
    const char* name;
    int from, to, sheets;
  };
  const Case cases[] = {
      {"all pages", 1, 3, 3},
      {"the last two", 2, 3, 2},
      {"one in the middle", 2, 2, 1},
      {"beyond the text: no sheet", 4, 9, 0},
      {"reversed range", 3, 1, 0},
  };
  TextPrintout how;
  how.font = QFont(QStringLiteral("Monospace"), 10);
  for (const auto& c : cases) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath(QString::fromLatin1(c.name) + ".pdf");
    printer.setOutputFileName(path);
    EXPECT_EQ(print_text_pages(printer, kReport, how, c.from, c.to), c.sheets) << c.name;
    if (c.sheets > 0) {
      EXPECT_EQ(pdf_pages(path), c.sheets) << c.name;
    }
  }
  // A job that cannot begin prints no sheet; the window then tells the person (print_text_with_dialog).
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
  EXPECT_EQ(print_text_pages(printer, kReport, how, 1, 3), 0);
}

}  // namespace
}  // namespace vx11
