// The printer information window: the capabilities of the current printer and its fonts.
#pragma once

#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

class QPrinter;

namespace vx11 {

// Name and value rows in the window's order: 16 capability rows, then one row per font.
std::vector<std::pair<QString, QString>> printer_info_rows(QPrinter& printer);

class TForm_printerinfo : public QDialog {
 public:
  explicit TForm_printerinfo(QPrinter& printer, QWidget* parent = nullptr);
};

}  // namespace vx11
