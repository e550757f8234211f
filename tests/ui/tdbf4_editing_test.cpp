#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>

#include <fstream>

#include "calc/dbf_table.h"
#include "tests/ui/tdbf4_fixture.h"
#include "tests/support/files.h"

namespace vx11::test {
namespace {

// What the file holds now, read through a table of its own.
std::string stored(const std::string& path, int record, int field) {
  DbfTable t;
  std::string problem;
  bool unreadable = false;
  if (!t.open(path, false, problem, unreadable)) return "(" + problem + ")";
  return t.text(record, field);
}

// Opens the cell's editor with F2, types the text and commits with Enter.
void edit_cell(QWidget* w, int row, int c, const QString& text) {
  auto* g = w->findChild<QTableView*>("TzGrid1");
  g->setCurrentIndex(g->model()->index(row, c));
  QTest::keyClick(g, Qt::Key_F2);
  // An editor closed by moving on goes only when deleted, or it would be found here.
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  auto* editor = g->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  editor->del();
  type_into(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(Tdbf4Test, ColumnClickOrdersByThatFieldAndKeepsTheRecord) {
  open();
  tables.go_to_record(ctx, 3);  // "Nabe"
  Tdbf4 w(ctx, request(BrowseMode::Select), services);
  w.show();
  struct Case {
    const char* name;
    int column;
    QStringList names;
  };
  const Case cases[] = {
      {"by text", 1, {"Feder", "Nabe", "Welle", "Zahnrad", "\u00c4u\u00dfere"}},
      {"by number, not by text", 2, {"Feder", "Nabe", "Zahnrad", "Welle", "\u00c4u\u00dfere"}},
      {"by integer", 0, {"Welle", "Nabe", "Zahnrad", "Feder", "\u00c4u\u00dfere"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    click_head(&w, c.column);
    EXPECT_EQ(column(&w, 1), c.names);
    EXPECT_EQ(w.current_record(), 3);
    EXPECT_EQ(tables.current_record(), 3);
    EXPECT_TRUE(tables.has_order());
    EXPECT_EQ(grid(&w)->horizontalHeader()->sortIndicatorSection(), c.column);
  }
  // Search runs in the order shown: "Welle" holds no "a", "Nabe" does; then "Zahnrad" (NR 3),
  // which in physical order would come before.
  ModalDriver drive({[](QWidget* d) {
    type_into(d->findChild<QLineEdit*>("Edit_text"), "a");
    press(d, Qt::Key_Return);
  }});
  w.search();
  EXPECT_EQ(w.current_record(), 3);
  w.search_next();
  EXPECT_EQ(w.current_record(), 1);
}

TEST_F(Tdbf4Test, EditingWritesTheFieldBackToTheFile) {
  open();
  Tdbf4 w(ctx, request(BrowseMode::Edit), services);
  w.show();
  EXPECT_TRUE(grid(&w)->model()->flags(grid(&w)->model()->index(0, 1)) & Qt::ItemIsEditable);
  edit_cell(&w, 1, 1, QStringLiteral("Gr\u00f6\u00dfe"));
  edit_cell(&w, 1, 2, QStringLiteral("7,5"));  // a comma is a decimal point
  EXPECT_EQ(stored(folder + "/teile.dbf", 2, 2), "Gr\x94\xe1" "e");
  EXPECT_EQ(stored(folder + "/teile.dbf", 2, 3), "7.50");
  EXPECT_EQ(column(&w, 2).at(1), QStringLiteral("7.50"));  // shown as stored
  EXPECT_TRUE(w.isVisible());  // Enter in a cell editor ends the edit, not the browser
  EXPECT_TRUE(ui.shown.empty());

  // A value that does not fit is refused: an error box, the file and the cell unchanged.
  edit_cell(&w, 1, 0, QStringLiteral("12345"));
  ASSERT_EQ(ui.shown.size(), 1U);
  EXPECT_EQ(ui.shown[0].rfind("Fehler : |", 0), 0U) << ui.shown[0];
  EXPECT_EQ(stored(folder + "/teile.dbf", 2, 1), "1");
  EXPECT_EQ(column(&w, 0).at(1), QStringLiteral("1"));
}

TEST_F(Tdbf4Test, AnEditMovesTheRecordInTheOrderAndTheGridFollows) {
  open();
  Tdbf4 w(ctx, request(BrowseMode::Edit), services);
  w.show();
  click_head(&w, 1);
  ASSERT_EQ(column(&w, 1).first(), QStringLiteral("Feder"));
  edit_cell(&w, 0, 1, QStringLiteral("Zylinder"));
  // "Ä" is 0x8E in code page 850 and stays behind "Z".
  EXPECT_EQ(column(&w, 1).mid(3), (QStringList{"Zylinder", "\u00c4u\u00dfere"}));
  EXPECT_EQ(w.current_record(), 5);  // still on the edited record, now further down
  EXPECT_EQ(grid(&w)->currentIndex().row(), 3);
}

TEST_F(Tdbf4Test, AppendDeleteMarkAndPack) {
  open();
  Tdbf4 w(ctx, request(BrowseMode::Edit), services);
  w.show();
  w.findChild<QAction*>("mi_editAppend")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(w.current_record(), 6);
  EXPECT_EQ(label(&w, "Label_recno"), QStringLiteral("6/6"));
  edit_cell(&w, 5, 1, QStringLiteral("Neu"));
  EXPECT_EQ(stored(folder + "/teile.dbf", 6, 2), "Neu");

  w.go_to(2);
  w.findChild<QWidget*>("TzNavigator1")->findChild<QToolButton*>("nbDelete")->click();
  EXPECT_TRUE(tables.is_deleted(2));
  EXPECT_EQ(grid(&w)->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("* 2"));
  w.toggle_deleted();  // the mark comes off again
  EXPECT_FALSE(tables.is_deleted(2));
  w.toggle_deleted();
  EXPECT_EQ(w.findChild<QAction*>("mi_editPack")->toolTip(), QStringLiteral("Markierte Datens\u00e4tze l\u00f6schen"));
  // Pack asks first: record numbers change, and input files name rows by them.
  ui.answers = {Answer::No, Answer::Yes};
  w.findChild<QAction*>("mi_editPack")->trigger();
  EXPECT_EQ(tables.record_count(), 6);
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0], std::string("|") + kPackQuestion);
  w.findChild<QAction*>("mi_editPack")->trigger();
  EXPECT_EQ(tables.record_count(), 5);
  EXPECT_EQ(column(&w, 1), (QStringList{"Zahnrad", "Nabe", "\u00c4u\u00dfere", "Feder", "Neu"}));
  EXPECT_EQ(label(&w, "Label_recno"), QStringLiteral("1/5"));
  EXPECT_EQ(stored(folder + "/teile.dbf", 2, 2), "Nabe");
}

TEST_F(Tdbf4Test, FileMenuExportsPrintsAndAppends) {
  open();
  std::string page;
  int printed = 0;
  services.show_page = [&](const std::string& path) { page = path; };
  services.print = [&](const TableObject& t) { printed = t.record_count(); };
  services.title_line = "VX11  -  Scheibenfederberechnung";
  make_table(folder + "/mehr.dbf", {{"NAME", 'C', 12, 0, 0}, {"NR", 'N', 4, 0, 0}}, {{"Stift", "8"}});
  ui.files = {folder + "/mehr.dbf", root + "/teile.txt", root + "/teile.txt"};
  Tdbf4 w(ctx, request(BrowseMode::Edit), services);

  w.findChild<QAction*>("mi_fileExportHtml")->trigger();
  EXPECT_EQ(page, temp + "/teile.htm");
  const std::string html = read_file(page);
  EXPECT_NE(html.find("<TITLE>" + folder + "/teile.dbf</TITLE>"), std::string::npos);
  EXPECT_NE(html.find("<TD>\u00c4u\u00dfere</TD>"), std::string::npos);  // converted

  w.findChild<QAction*>("mi_filePrint")->trigger();
  EXPECT_EQ(printed, 5);

  w.findChild<QAction*>("mi_fileAppendDbf")->trigger();  // fields matched by name
  EXPECT_EQ(column(&w, 1).last(), QStringLiteral("Stift"));
  EXPECT_EQ(column(&w, 0).last(), QStringLiteral("8"));
  EXPECT_EQ(w.current_record(), 6);

  w.findChild<QAction*>("mi_fileSaveDelimited")->trigger();
  EXPECT_EQ(read_file(root + "/teile.txt").substr(0, 20), "3,\"Zahnrad\",9.50\r\n1,");

  w.findChild<QAction*>("mi_fileAppendDelimited")->trigger();
  EXPECT_EQ(tables.record_count(), 12);
  EXPECT_TRUE(ui.shown.empty()) << ui.shown.front();
}

TEST_F(Tdbf4Test, HelpMenuTellsStructureAndFileName) {
  open();
  int helped = 0;
  services.help.text = [&] { helped = help; };
  Tdbf4 w(ctx, request(BrowseMode::Select), services);
  EXPECT_FALSE(w.findChild<QAction*>("mi_helpPicture")->isEnabled());
  w.findChild<QAction*>("mi_helpText")->trigger();
  EXPECT_EQ(helped, 77);  // the browser's topic
  w.findChild<QAction*>("mi_helpStructure")->trigger();
  w.findChild<QAction*>("mi_helpFileName")->trigger();
  ASSERT_EQ(ui.shown.size(), 2U);
  EXPECT_EQ(ui.shown[0].rfind("Teileliste|", 0), 0U);
  EXPECT_NE(ui.shown[0].find("   2 NAME        C     12    0"), std::string::npos) << ui.shown[0];
  EXPECT_EQ(ui.shown[1], "Meldung:|" + folder + "/teile.dbf");
}

TEST_F(Tdbf4Test, ScreenshotOfTheKeyTable) {
  std::filesystem::copy_file(std::string(VX11_DATA_DIR) + "/din6888.dbf", folder + "/din6888.dbf");
  tables.set_titles("DIN 6888", "Scheibenfeder w\x84hlen");
  open("din6888");
  tables.go_to_record(ctx, 12);
  BrowseRequest r = request(BrowseMode::Select);
  r.caption = "Scheibenfeder w\x84hlen   DIN 6888";
  Tdbf4 w(ctx, r, services);
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.current_record(), 12);
  EXPECT_EQ(grid(&w)->model()->columnCount(), 12);
  EXPECT_EQ(label(&w, "Label_recno"), QString("12/%1").arg(tables.record_count()));
  const QImage shot = w.grab().toImage();
  EXPECT_FALSE(shot.isNull());
  // Kept for a person to look at when a folder is named.
  if (const char* dir = std::getenv("VX11_SCREENSHOT_DIR")) {
    EXPECT_TRUE(shot.save(QDir(QString::fromLocal8Bit(dir)).filePath("tdbf4_din6888.png")));
  }
}

}  // namespace
}  // namespace vx11::test
