// The Database menu: every table editor opens and is cancelled without a change to the design;
// Pack asks first; OK on a row of another key size asks before the key changes; the structure box
// keeps its columns; "Print.." prints through the report output.
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTableView>
#include <QToolButton>

#include "tests/acceptance/window_fixture.h"
#include "ui/main_window.h"
#include "ui/tdbf4.h"

namespace vx11::test {
namespace {

class DatabaseMenu : public WindowAcceptance {
 protected:
  static Tdbf4* browser(QWidget* d) { return dynamic_cast<Tdbf4*>(d); }
  // A click on the grid's row that holds record `record`.
  static void click_record(QWidget* d, int record) {
    auto* grid = d->findChild<QTableView*>("TzGrid1");
    for (int row = 0; row < grid->model()->rowCount(); ++row)
      if (grid->model()->headerData(row, Qt::Vertical).toString().remove(u'*').trimmed() == QString::number(record)) {
        grid->setCurrentIndex(grid->model()->index(row, 0));
        return;
      }
    ADD_FAILURE() << "no row for record " << record;
  }
};

TEST_F(DatabaseMenu, EveryTableEditorOpensAndCancelsWithoutAChange) {
  start({example("beispiel.vxk")});
  const int key = state().rec.key_row_number;
  for (Command c : {Command::DbKeyTable, Command::DbMaterial, Command::DbMaterialType, Command::DbShaftSeries}) {
    SCOPED_TRACE(command_item_name(c));
    {
      Person person({{"dbf4", [&](QWidget* d) {
                        ASSERT_NE(browser(d), nullptr);
                        EXPECT_FALSE(browser(d)->selecting());  // the editing browser
                        screenshot(d, QString::fromLatin1(command_item_name(c).data()));
                        close_dialog(d);
                      }}});
      menu(c);
    }
    EXPECT_EQ(state().rec.key_row_number, key);
    EXPECT_FALSE(state().session.unsaved_changes);
  }
}

TEST_F(DatabaseMenu, PackAsksFirstAndOkOnAnotherKeyAsksBeforeTheKeyChanges) {
  start({example("beispiel.vxk")});
  const int key = state().rec.key_row_number;
  ASSERT_TRUE(canvas_shows("Scheibenfeder DIN 6888 - 6 x 7.5"));
  QString pack_question, key_question;
  {
    Person person({{"dbf4", [](QWidget* d) {
                      click_record(d, 1);
                      d->findChild<QToolButton*>("nbDelete")->click();  // marked for deletion
                      d->findChild<QAction*>("mi_editPack")->trigger();
                    }},
                   {"QMessageBox", [&](QWidget* box) {
                      pack_question = message_text(box);
                      answer(box, QMessageBox::No);
                    }},
                   {"dbf4", [](QWidget* d) {
                      click_record(d, 1);
                      d->findChild<QToolButton*>("nbDelete")->click();  // the mark comes off again
                      click_record(d, 4);                               // 2 x 3.7
                      press_ok(d);
                    }},
                   {"QMessageBox", [&](QWidget* box) {
                      key_question = message_text(box);
                      answer(box, QMessageBox::No);
                    }}});
    menu(Command::DbKeyTable);
  }
  EXPECT_TRUE(pack_question.startsWith(QStringLiteral("Markierte Datensätze löschen ?"))) << pack_question.toStdString();
  EXPECT_TRUE(pack_question.contains(QStringLiteral("Nummern")));
  EXPECT_EQ(key_question, QStringLiteral("Scheibenfeder DIN 6888 - 6 x 7.5 durch 2 x 3.7 ersetzen ?"));
  EXPECT_EQ(state().rec.key_row_number, key);
  EXPECT_TRUE(canvas_shows("Scheibenfeder DIN 6888 - 6 x 7.5"));
  EXPECT_FALSE(state().session.unsaved_changes);

  // Yes takes the other key, and the views follow.
  {
    Person person({{"dbf4", [](QWidget* d) {
                      click_record(d, 4);
                      press_ok(d);
                    }},
                   {"QMessageBox", [](QWidget* box) { answer(box, QMessageBox::Yes); }}});
    menu(Command::DbKeyTable);
  }
  EXPECT_EQ(state().rec.key_row_number, 4);
  EXPECT_TRUE(canvas_shows("Scheibenfeder DIN 6888 - 2 x 3.7"));
  EXPECT_TRUE(state().session.unsaved_changes);
}

TEST_F(DatabaseMenu, StructureInAFixedWidthFontAndPrintThroughTheReportOutput) {
  start({example("beispiel.vxk")});
  bool fixed = false;
  QString printed;
  {
    Person person({{"dbf4", [](QWidget* d) { d->findChild<QAction*>("mi_helpStructure")->trigger(); }},
                   {"QMessageBox", [&](QWidget* box) {
                      fixed = QFontInfo(box->findChild<QLabel*>("qt_msgbox_label")->font()).fixedPitch();
                      screenshot(box, QStringLiteral("table_structure"));
                      answer(box, QMessageBox::Ok);
                    }},
                   {"dbf4", [](QWidget* d) {
                      QAction* print = d->findChild<QAction*>("mi_filePrint");
                      ASSERT_TRUE(print->isEnabled());
                      print->trigger();
                    }},
                   {"Form_showtextfile", [&](QWidget* w) {
                      printed = w->findChild<QWidget*>("Memo1")->property("plainText").toString();
                      close_dialog(w);
                    }},
                   {"dbf4", [](QWidget* d) { close_dialog(d); }}});
    menu(Command::DbKeyTable);
  }
  EXPECT_TRUE(fixed);
  EXPECT_TRUE(printed.contains(QStringLiteral("Scheibenfedern nach DIN 6888"))) << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("D1MIN"))) << printed.left(3000).toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("6.0       8.0       2.0       3.7")));
}

}  // namespace
}  // namespace vx11::test
