#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "tests/ui/tdbf4_fixture.h"

namespace vx11::test {
namespace {

TEST_F(Tdbf4Test, SelectionReturnsTheConfirmedRecordOrCancel) {
  struct Case {
    const char* name;
    std::vector<Qt::Key> keys;
    bool enter;
    int confirmed;  // the table's record afterwards
  };
  const Case cases[] = {
      {"enter in place", {Qt::Key_Return}, true, 2},
      {"two down, enter", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}, true, 4},
      {"up, enter", {Qt::Key_Up, Qt::Key_Return}, true, 1},
      {"down beyond the end", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, true, 5},
      {"down, escape", {Qt::Key_Down, Qt::Key_Escape}, false, 0},
  };
  open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    rec.cancelled = !c.enter;  // OK must clear it, Cancel must set it
    tables.go_to_record(ctx, 2);
    QString caption;
    ModalDriver drive({[&](QWidget* w) {
      caption = w->windowTitle();
      for (Qt::Key k : c.keys) press(w, k);
    }});
    tables.browse(ctx, 1);
    EXPECT_EQ(drive.steps_run(), 1);
    EXPECT_EQ(drive.unexpected(), 0);
    EXPECT_EQ(caption, QStringLiteral("Teileliste   Teile"));
    EXPECT_EQ(rec.cancelled, !c.enter);
    EXPECT_EQ(tables.browse_outcome().closed_with_enter, c.enter);
    if (c.enter) {
      EXPECT_EQ(tables.browse_outcome().confirmed_record, c.confirmed);
    }
  }
}

TEST_F(Tdbf4Test, OkButtonExitEntryAndDoubleClickConfirm) {
  open();
  const std::vector<std::pair<const char*, ModalDriver::Step>> cases = {
      {"OK button", [](QWidget* w) { click(w, "Button_ok"); }},
      {"exit entry", [](QWidget* w) { w->findChild<QAction*>("mi_fileExit")->trigger(); }},
      {"double click", [](QWidget* w) {
         QTableView* g = grid(w);
         emit g->doubleClicked(g->model()->index(3, 1));
       }},
      {"cancel button", [](QWidget* w) { click(w, "Button_cancel"); }},
  };
  for (const auto& [name, step] : cases) {
    SCOPED_TRACE(name);
    tables.go_to_record(ctx, 4);
    ModalDriver drive({step});
    tables.browse(ctx, 1);
    const bool cancel = std::string(name) == "cancel button";
    EXPECT_EQ(tables.browse_outcome().closed_with_enter, !cancel);
    EXPECT_EQ(rec.cancelled, cancel);
    if (!cancel) {
      EXPECT_EQ(tables.browse_outcome().confirmed_record, 4);
    }
    EXPECT_EQ(drive.unexpected(), 0);
  }
}

TEST_F(Tdbf4Test, SelectionHidesDeletedRecordsAndEverythingThatChangesTheTable) {
  open();
  ASSERT_TRUE(tables.set_deleted(ctx, 1, true));
  tables.go_to_record(ctx, 1);
  Tdbf4 w(ctx, request(BrowseMode::Select), services);
  EXPECT_EQ(column(&w, 1), (QStringList{"Welle", "Nabe", "\u00c4u\u00dfere", "Feder"}));
  EXPECT_EQ(w.current_record(), 2);  // the deleted record is not offered
  EXPECT_FALSE(grid(&w)->model()->flags(grid(&w)->model()->index(0, 0)) & Qt::ItemIsEditable);
  for (const char* hidden : {"mi_fileAppendDbf", "mi_fileAppendDelimited"})
    EXPECT_FALSE(w.findChild<QAction*>(hidden)->isVisible()) << hidden;
  EXPECT_FALSE(w.findChild<QMenu*>("mi_edit")->menuAction()->isVisible());
  for (const char* shown : {"mi_fileExportHtml", "mi_fileSaveDelimited", "mi_filePrint"})
    EXPECT_TRUE(w.findChild<QAction*>(shown)->isVisible()) << shown;
  EXPECT_EQ(w.findChild<QWidget*>("TzNavigator1")->findChildren<QToolButton*>().size(), 4);

  // The editing browser shows the deleted record and offers all.
  Tdbf4 e(ctx, request(BrowseMode::Edit), services);
  EXPECT_EQ(column(&e, 1).size(), 5);
  EXPECT_TRUE(e.findChild<QMenu*>("mi_edit")->menuAction()->isVisible());
  EXPECT_TRUE(e.findChild<QAction*>("mi_fileAppendDbf")->isVisible());
  EXPECT_EQ(e.findChild<QWidget*>("TzNavigator1")->findChildren<QToolButton*>().size(), 7);
  EXPECT_EQ(grid(&e)->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("* 1"));
}

TEST_F(Tdbf4Test, EverythingDeletedLeavesNothingToConfirm) {
  open();
  for (int r = 1; r <= tables.record_count(); ++r) ASSERT_TRUE(tables.set_deleted(ctx, r, true));
  ModalDriver drive({[](QWidget* w) { press(w, Qt::Key_Return); }});
  tables.browse(ctx, 1);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_FALSE(tables.browse_outcome().closed_with_enter);
}

TEST_F(Tdbf4Test, TitlesAndRecordLabel) {
  open();
  Tdbf4 w(ctx, request(BrowseMode::Select), services);
  w.show();
  EXPECT_EQ(label(&w, "Label_title1"), QStringLiteral("Teile"));
  EXPECT_EQ(label(&w, "Label_title2"), QStringLiteral("Teileliste"));
  EXPECT_EQ(label(&w, "Label_filename"), QString::fromStdString(folder + "/teile.dbf"));
  EXPECT_EQ(label(&w, "Label_recno"), QStringLiteral("1/5"));
  click_cell(&w, 3, 2);
  EXPECT_EQ(label(&w, "Label_recno"), QStringLiteral("4/5"));
  EXPECT_EQ(tables.current_record(), 4);
  EXPECT_EQ(column(&w, 1).at(3), QStringLiteral("\u00c4u\u00dfere"));  // shown converted
}

TEST_F(Tdbf4Test, SearchAndSearchNext) {
  open();
  Tdbf4 w(ctx, request(BrowseMode::Select), services);
  w.show();
  const auto type = [](const QString& text) {
    return [text](QWidget* d) {
      auto* edit = d->findChild<QLineEdit*>("Edit_text");
      edit->clear();
      type_into(edit, text);
      press(d, Qt::Key_Return);
    };
  };
  int help_while_asking = 0;
  int max_length = 0;
  QString preset;
  ModalDriver drive({
      [&](QWidget* d) {
        help_while_asking = help;
        max_length = d->findChild<QLineEdit*>("Edit_text")->maxLength();
        type("E")(d);
      },
      [&](QWidget* d) {
        preset = d->findChild<QLineEdit*>("Edit_text")->text();
        type(QStringLiteral("\u00e4u\u00df"))(d);
      },
      type("gibt es nicht"),
      [](QWidget* d) { press(d, Qt::Key_Escape); },
  });
  help = 77;
  w.search();  // "e" without regard to case: Zahnrad has none, Welle is the first
  EXPECT_EQ(help_while_asking, kHelpTableSearch);
  EXPECT_EQ(help, 77);
  EXPECT_EQ(max_length, kSearchTextLength);
  EXPECT_EQ(w.current_record(), 2);
  w.search_next();
  EXPECT_EQ(w.current_record(), 3);
  w.search_next();
  EXPECT_EQ(w.current_record(), 4);  // "Äußere" holds an "e" as well
  EXPECT_EQ(label(&w, "Label_recno"), QStringLiteral("4/5"));

  w.search();  // umlauts typed are searched in code page 850
  EXPECT_EQ(preset, QStringLiteral("E"));
  EXPECT_EQ(w.current_record(), 4);

  ui.shown.clear();
  w.search();
  EXPECT_EQ(w.current_record(), 4);  // stays where it was
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Meldung:|gibt es nicht nicht gefunden"}));
  w.search();  // cancelled: nothing happens
  EXPECT_EQ(ui.shown.size(), 1U);
  EXPECT_EQ(drive.unexpected(), 0);
}

TEST_F(Tdbf4Test, SearchInSelectionPassesOverDeletedRecords) {
  open();
  ASSERT_TRUE(tables.set_deleted(ctx, 2, true));  // "Welle"
  Tdbf4 w(ctx, request(BrowseMode::Select), services);
  ModalDriver drive({[](QWidget* d) {
    type_into(d->findChild<QLineEdit*>("Edit_text"), "e");
    press(d, Qt::Key_Return);
  }});
  w.search();
  EXPECT_EQ(w.current_record(), 3);
}

}  // namespace
}  // namespace vx11::test
