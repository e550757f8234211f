// Test bench for the table browser: a fresh table folder with a small table of our own (and the
// shipped key table), the table object with the window's browser, a scripted person behind it.
#pragma once

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "calc/calc_context.h"
#include "calc/table_object.h"
#include "tests/tables/table_maker.h"
#include "tests/ui/qt_test_support.h"
#include "ui/tdbf4.h"
#include "ui/tdbf4_model.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

class Tdbf4Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application();
    root = test::make_unique_folder("/tmp/vx11_tdbf4_XXXXXX").string();
    ASSERT_FALSE(root.empty());
    folder = root + "/dbf";
    temp = root + "/temp";
    std::filesystem::create_directories(folder);
    std::filesystem::create_directories(temp);
    tables.set_folders(folder, temp);
    // "Äußere" in code page 850 shows how texts are converted.
    make_table(folder + "/teile.dbf", {{"NR", 'N', 4, 0, 0}, {"NAME", 'C', 12, 0, 0}, {"WERT", 'N', 7, 2, 0}},
               {{"3", "Zahnrad", "9.5"}, {"1", "Welle", "10"}, {"2", "Nabe", "2.25"}, {"5", "\x8eu\xe1" "ere", "100"},
                {"4", "Feder", "0.5"}});
    tables.set_titles("Teile", "Teileliste");
  }
  void TearDown() override {
    tables.close_table();
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }

  void make_table(const std::string& path, const DbfFields& fields,
                  const std::vector<std::vector<std::string>>& rows) {
    make_dbf_table(path, fields, rows);
  }

  void open(const std::string& name = "teile") { ASSERT_TRUE(tables.open_table(ctx, name)); }

  BrowseRequest request(BrowseMode mode) const {
    BrowseRequest r;
    r.mode = mode;
    r.caption = "Teileliste   Teile";
    r.help_number = 77;
    return r;
  }

  static QTableView* grid(QWidget* w) { return w->findChild<QTableView*>("TzGrid1"); }
  static QString label(QWidget* w, const char* name) { return w->findChild<QLabel*>(name)->text(); }
  // The texts of one column, top to bottom, as shown.
  static QStringList column(QWidget* w, int c) {
    QStringList texts;
    auto* model = grid(w)->model();
    for (int r = 0; r < model->rowCount(); ++r) texts << model->index(r, c).data().toString();
    return texts;
  }
  static void click_cell(QWidget* w, int row, int c) {
    QTableView* g = grid(w);
    const QRect at = g->visualRect(g->model()->index(row, c));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at.center());
  }
  static void click_head(QWidget* w, int c) {
    QHeaderView* h = grid(w)->horizontalHeader();
    const QPoint at(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
  }

  std::string root, folder, temp;
  ConnectionRecord rec;
  MessageList messages;
  FormatSettings format;
  ScriptedInteraction ui;
  Tdbf4Services services;
  QtTableBrowser browser{services};
  TableObject tables{browser};
  int help = 0;
  CalcContext ctx{rec, messages, format, tables, ui, help};
};

}  // namespace vx11::test
