// What calculation-core operations reach besides their arguments: the record, the run's messages,
// the formatting settings, the one table object, the person (or batch stand-in), the help number.
// The program state owns all of them and hands out this bundle of references.
#pragma once

#include "calc/connection_record.h"
#include "base/format_settings.h"
#include "base/interaction.h"
#include "base/message_list.h"

namespace vx11 {

class TableObject;  // calc/table_object.h: the program-wide dBase table object

struct CalcContext {
  ConnectionRecord& rec;
  MessageList& messages;
  const FormatSettings& format;
  TableObject& tables;
  Interaction& ui;
  int& help_number;  // the current help text number, set before every dialog or browser opens
};

}  // namespace vx11
