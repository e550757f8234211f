// The result table's reading and rating of one input data file with the program's own reader and
// rating, on a working copy of the inputs, without a single message box.
#pragma once

#include <string>

#include "calc/table_object.h"
#include "docu/documentation.h"
#include "base/identity.h"
#include "project/session.h"
#include "base/format_settings.h"
#include "base/message_list.h"
#include "report/result_table.h"

namespace vx11 {

// Messages and questions of the reader, the rating and the tables are collected, never shown, and
// the last message box says what went wrong with a file. The program's table object is used; its
// inputs, documentation, messages and session stay as they are.
class ProgramFileRater : public FileRater {
 public:
  ProgramFileRater(const FormatSettings& format, const ProgramIdentity& id, const Session& session,
                   TableObject& tables)
      : format_(format), id_(id), session_(session), tables_(tables) {}
  FileRating rate(const std::string& path, ConnectionRecord& rec) override;
  // The same, keeping the file's documentation and the rating's messages.
  FileRating rate(const std::string& path, ConnectionRecord& rec, Documentation& doc, MessageList& messages);

 private:
  const FormatSettings& format_;
  const ProgramIdentity& id_;
  const Session& session_;
  TableObject& tables_;
};

}  // namespace vx11
