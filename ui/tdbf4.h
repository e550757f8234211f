// The modal table browser: a grid over the open table with navigator, search, order by a clicked
// column and the file, edit and help menus; selection mode or editing mode.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "calc/calc_context.h"
#include "calc/table_browser.h"
#include "ui/dialog_help.h"
#include "base/help_numbers.h"

class QAction;
class QLabel;
class QMenuBar;
class QPushButton;
class QTableView;
class QWidget;

namespace vx11 {

class TableObject;
class Tdbf4Model;

inline constexpr int kSearchTextLength = 50;
// Asked before "Pack" removes the marked records (code page 850).
inline constexpr const char* kPackQuestion =
    "Markierte Datens\x84tze l\x94schen ?\n\n"
    "Die folgenden Datens\x84tze erhalten neue Nummern. Eingabedateien w\x84hlen Scheibenfeder und "
    "Werkstoffe \x81" "ber diese Nummern und finden danach andere Zeilen.";

// What the browser reaches beyond the table: help, the program's title line for the HTML page,
// the web browser and the report output. An empty action leaves its menu item disabled.
struct Tdbf4Services {
  DialogHelp help;
  std::string title_line;                                  // code page 850
  std::function<void(const std::string& path)> show_page;  // opens a written HTML page
  std::function<void(const TableObject& table)> print;     // "Print..": through the report output
  // A text whose columns must line up (the structure) in a fixed-width font; empty: a message box.
  std::function<void(const std::string& caption, const std::string& text)> show_columns;
};

class Tdbf4 : public QDialog {
 public:
  Tdbf4(CalcContext& ctx, const BrowseRequest& request, const Tdbf4Services& services,
        QWidget* parent = nullptr);

  bool selecting() const { return request_.mode == BrowseMode::Select; }
  // The record the grid stands on (0 in an empty grid); the table object follows it.
  int current_record() const;
  void go_to(int record);

  // New search (asks for the text) and search next; the grid moves to what was found.
  void search();
  void search_next();
  // Orders the grid by a field (counted from 0, as the columns); the current record stays.
  void order_by_column(int column);

  // File menu.
  void export_html();
  void save_delimited();
  void append_dbf();
  void append_delimited();
  void print();
  // Edit menu.
  void append_record();
  void toggle_deleted();
  void pack();
  // Help menu.
  void show_structure();
  void show_file_name();

  void accept() override;

 private:
  void build_menus(QMenuBar* bar);
  QWidget* build_navigator();
  void step(int rows);
  void current_changed();
  void show_record_label();
  void find(const std::string& text, bool continue_search);
  void after_records_changed();
  // Asks for a file and appends its records (failures are reported by `append`).
  void append_file(const std::string& title, const std::string& filter,
                   bool (*append)(CalcContext&, const std::string&));
  // Menu commands start with a clear abort flag and leave the table object on the grid's record.
  void begin_command();
  std::string html_path() const;

  CalcContext& ctx_;
  BrowseRequest request_;
  Tdbf4Services services_;
  Tdbf4Model* model_;
  QTableView* TzGrid1;
  QLabel* Label_title1;
  QLabel* Label_title2;
  QLabel* Label_filename;
  QLabel* Label_recno;
  QPushButton* Button_ok;
  QPushButton* Button_cancel;
  QPushButton* Button_search;
  QPushButton* Button_SearchNext;
};

// The window's table browser: shows Tdbf4 modally over `parent`.
class QtTableBrowser : public TableBrowser {
 public:
  explicit QtTableBrowser(Tdbf4Services services, QWidget* parent = nullptr)
      : services_(std::move(services)), parent_(parent) {}
  BrowseResult show(CalcContext& ctx, const BrowseRequest& request) override;
  void set_parent(QWidget* parent) { parent_ = parent; }
  Tdbf4Services& services() { return services_; }

 private:
  Tdbf4Services services_;
  QWidget* parent_;
};

}  // namespace vx11
