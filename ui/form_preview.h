// The result table window: a grid with one row per input data file of the data directory, sorted by
// a click on a column head, closed by the choice of a row; and the File command that runs it.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

#include "report/result_table.h"
#include "ui/dialog_help.h"

class QAction;
class QTableWidget;

namespace vx11 {

class ProgramState;
class Thh;

// What the grid reaches beyond the table: help, and "Export Excel" (disabled without an action).
struct PreviewServices {
  QString caption;  // the short name, two blanks and the data directory
  DialogHelp help;
  int* help_number = nullptr;  // set to the grid's help number while its help is shown
  std::function<void(const ResultTable& table)> export_excel;
};

// Row 0 of the table is the grid's head; rows 1..n are the grid's rows 0..n-1.
class TForm_preview : public QDialog {
 public:
  TForm_preview(ResultTable& table, bool& cancelled, PreviewServices services, QWidget* parent = nullptr);

  // A left click on cell (row, column) of the table: row 0 is a head cell.
  void StringGrid1Click(int row, int column);
  void mi_fileExportExcelClick();
  void mi_fileExitClick();
  void mi_HelpHelpClick();

  // Escape and the window's close button: as "E&xit".
  void reject() override;

 private:
  void fill_rows();

  ResultTable& table_;
  bool& cancelled_;
  PreviewServices services_;
  QTableWidget* StringGrid1;
  QAction* mi_fileExportExcel;
};

// Shows the grid modally; returns when it closed.
class PreviewView : public ResultTableView {
 public:
  PreviewView(PreviewServices services, QWidget* parent) : services_(std::move(services)), parent_(parent) {}
  void show_modal(ResultTable& table, bool& cancelled) override;

 private:
  PreviewServices services_;
  QWidget* parent_;
};

// The File command "open table": the unsaved-changes question, the scan of the data directory with
// its caption in the main window, then the grid again and again; each chosen row's file is read,
// rated and shown.
void open_result_table(Thh& window, ProgramState& state);

// The services of the grid in the program: its caption, help through the window's help and the
// grid's export into a workbook.
PreviewServices preview_services(ProgramState& state);

}  // namespace vx11
