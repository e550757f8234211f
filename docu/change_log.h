// The change-log commands of the menu: new, edit and delete the last entry, show, print, title block.
#pragma once

#include <string>

#include "docu/documentation_edit.h"

namespace vx11 {

enum class ChangeLogOperation { New = 1, Edit = 2, Delete = 3, Show = 4, Print = 5, TitleBlock = 6 };

// What the commands read from the configuration and the calendar.
struct ChangeLogSettings {
  std::string fourth_label;  // label of the fourth title-block row
  std::string today;         // date text of a new entry
};

// Prints the change log on the screen (show) or on the output chosen for reports (print).
class ChangeLogPrinter {
 public:
  virtual ~ChangeLogPrinter() = default;
  virtual void print(const Documentation& doc, bool to_screen) = 0;
};

void change_log(DocuContext& ctx, ChangeLogOperation op, const ChangeLogSettings& settings,
                ChangeLogPrinter& printer);

// The index column of entry i (from 1): style 1 numbers the entries, any other letters them a, b, c.
std::string change_index(int i, int style);

}  // namespace vx11
