#include "ui/docu_dialogs.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "docu/documentation_edit.h"
#include "base/text.h"
#include "tests/ui/dialog_fixture.h"
#include "tests/ui/qt_test_support.h"

namespace vx11 {
namespace {

using test::click;

class DocuDialogs : public test::DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    reset_documentation(doc, dateText(state->format));
    dialogs = std::make_unique<QtDocumentationDialogs>(state->format, state->identity.title, ui, help, 100);
  }
  DocuContext context() { return DocuContext{state->rec, doc, state->format, *dialogs, ui, state->help_number}; }
  static QTableWidget* grid(QWidget* w, const char* name) { return w->findChild<QTableWidget*>(name); }
  Documentation doc;
  std::unique_ptr<QtDocumentationDialogs> dialogs;
};

TEST_F(DocuDialogs, EmptyTextGridStoresOneDrawingText) {
  doc.drawing_text_count = 0;
  DocuContext ctx = context();
  EXPECT_TRUE(drive([&] { return edit_title_block(ctx, "Frei"); }, [](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zeichnungsinfo"));
    EXPECT_EQ(grid(w, "StringGrid1")->verticalHeaderItem(3)->text(), QStringLiteral("Frei"));
  }));
  EXPECT_EQ(doc.drawing_text_count, 1);
  EXPECT_EQ(doc.drawing_texts[0].text, "");
  EXPECT_FALSE(state->rec.cancelled);
}

TEST_F(DocuDialogs, TitleBlockRowsDatesAndTexts) {
  DocuContext ctx = context();
  const QString today = QString::fromStdString(dateText(state->format));
  EXPECT_TRUE(drive([&] { return edit_title_block(ctx, "Freigabe"); }, [&](QWidget* w) {
    auto* rows = grid(w, "StringGrid1");
    rows->item(1, 0)->setText("x");
    click(w, "Button_date2");
    EXPECT_EQ(rows->item(1, 0)->text(), today);
    rows->item(3, 1)->setText(QString::fromUtf8("Müller"));
    retype(w, "Edit_ersatzfuer", "Z-0815 und noch mehr Text");
    auto* texts = grid(w, "StringGrid2");
    const char* row1[] = {"12,5", "abc", "3.5", "90", "Erster"};
    const char* row2[] = {"1", "2", "3", "4", "Zweiter"};
    for (int c = 0; c < 5; ++c) {
      texts->item(0, c)->setText(row1[c]);
      texts->item(1, c)->setText(row2[c]);
      texts->item(3, c)->setText("99");  // after a blank row: not stored
    }
  }));
  EXPECT_EQ(doc.title.checked.date, dateText(state->format));
  EXPECT_EQ(doc.title.fourth.name, "M\x81ller");
  EXPECT_EQ(doc.title.replaces, "Z-0815 und noch");
  ASSERT_EQ(doc.drawing_text_count, 2);
  EXPECT_EQ(doc.drawing_texts[0].x, 12.5L);
  EXPECT_EQ(doc.drawing_texts[0].y, 0);
  EXPECT_EQ(doc.drawing_texts[1].text, "Zweiter");
}

TEST_F(DocuDialogs, DrawingNamesConvertedAndCut) {
  state->rec.inner_part_name = "Welle f\x81r Getriebe";  // code page 850
  DocuContext ctx = context();
  QString shown;
  EXPECT_TRUE(drive([&] { return edit_drawing_names(ctx); }, [&](QWidget* w) {
    shown = test::DialogTest::text_of(w, "Edit_zeichname1");
    retype(w, "Edit_zeichnr2", "4711");
    retype(w, "Edit_zeichname22", QString::fromUtf8("Nabe aus Guß"));
    retype(w, "Edit_info1", "Projekt 12");
  }));
  EXPECT_EQ(shown, QString::fromUtf8("Welle für Getriebe"));
  EXPECT_EQ(state->rec.outer_part_number, "4711");
  EXPECT_EQ(doc.outer_part_name2, "Nabe aus Gu\xE1");
  EXPECT_EQ(doc.info_text[0], "Projekt 12");
  EXPECT_EQ(state->rec.inner_part_name, "Welle f\x81r Getriebe");
}

TEST_F(DocuDialogs, CancelKeepsEverything) {
  DocuContext ctx = context();
  const std::string before = state->rec.outer_part_number;
  EXPECT_FALSE(drive([&] { return edit_drawing_names(ctx); },
                     [](QWidget* w) { retype(w, "Edit_zeichnr2", "neu"); }, Qt::Key_Escape));
  EXPECT_EQ(state->rec.outer_part_number, before);
  EXPECT_TRUE(state->rec.cancelled);
  EXPECT_FALSE(drive([&] { return edit_change_entry(ctx, 1); },
                     [](QWidget* w) { retype(w, "Edit_aenderung", "neu"); }, Qt::Key_Escape));
  EXPECT_EQ(doc.changes[0].change_text, "");
}

TEST_F(DocuDialogs, ChangeEntry) {
  doc.changes[2].description = "erste\r\nzweite";
  DocuContext ctx = context();
  QString caption, description;
  EXPECT_TRUE(drive([&] { return edit_change_entry(ctx, 3); }, [&](QWidget* w) {
    caption = w->windowTitle();
    description = w->findChild<QPlainTextEdit*>("Memo_beschreibung")->toPlainText();
    retype(w, "Edit_aenderung", QString::fromUtf8("Maß geändert"));
    click(w, "Button_datum");
    retype(w, "Edit_bearbeiter", "mk");
    w->findChild<QPlainTextEdit*>("Memo_beschreibung")->setPlainText("a\nb\nc");
  }));
  EXPECT_EQ(caption, QString::fromUtf8("Änderung 3"));
  EXPECT_EQ(description, QStringLiteral("erste\nzweite"));
  EXPECT_EQ(doc.changes[2].change_text, "Ma\xE1 ge\x84ndert");
  EXPECT_EQ(doc.changes[2].date, dateText(state->format));
  EXPECT_EQ(doc.changes[2].editor, "mk");
  EXPECT_EQ(doc.changes[2].description, "a\r\nb\r\nc");
}

TEST_F(DocuDialogs, LinkedDocumentsKeepPathsAsTyped) {
  ui.files.push_back("/usr/bin/libreoffice");
  DocuContext ctx = context();
  EXPECT_TRUE(drive([&] { return edit_linked_documents(ctx); }, [](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Document Setup"));
    click(w, "Button_program2");
    retype(w, "Edit_file2", QString::fromUtf8("/home/jürgen/plan.odt"));
  }));
  EXPECT_EQ(doc.documents[1].program, "/usr/bin/libreoffice");
  EXPECT_EQ(doc.documents[1].file, "/home/j\xC3\xBCrgen/plan.odt");  // UTF-8, not converted
}

TEST_F(DocuDialogs, ScreenshotsOfTheWorkedExample) {
  TitleBlockForm title{"Frei", {}, "", "", {}};
  title.rows[0] = {dateText(state->format), "mk"};
  title.grid[0] = {"10", "20", "3.5", "0", "Scheibenfeder 5 x 6.5"};
  DrawingNamesForm names{"Welle", "11111111", "", "Nabe", "22222222", "", {"Beispiel d = 20", ""}};
  ChangeEntry change{"Passfeder 5x6.5", dateText(state->format), "mk", "Erste Auslegung"};
  auto docs = doc.documents;
  const auto shoot = [](const char* name) {
    return [name](QWidget* w) {
      screenshot(w, name);
      test::reject(w);
    };
  };
  test::ModalDriver drive(
      {shoot("tform_zeichinfo"), shoot("tform_vxeingabetext"), shoot("tform_einaend"), shoot("tform_confdoku")});
  dialogs->title_block(title);
  dialogs->drawing_names(names);
  dialogs->change_entry(1, change);
  dialogs->linked_documents(docs);
  EXPECT_EQ(drive.steps_run(), 4);
}

}  // namespace
}  // namespace vx11
