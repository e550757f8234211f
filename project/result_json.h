// The machine-readable result of one input data file: the record under its field names, the
// messages, the documentation and the design aids (permissible torques and the ranked keys).
#pragma once

#include <string>
#include <vector>

#include "calc/connection_record.h"
#include "calc/key_search.h"
#include "calc/permissible_torques.h"
#include "docu/documentation.h"
#include "base/identity.h"
#include "report/json_text.h"
#include "base/message_list.h"

namespace vx11 {

struct ResultJsonSource {
  const ProgramIdentity& identity;
  std::string input;  // the input file name as given (the file system's own bytes, UTF-8)
  const ConnectionRecord& rec;  // rated
  const MessageList& messages;
  const Documentation& doc;
  DesignTargets targets;
  const PermissibleTorques& torques;
  const std::vector<KeyVariant>& keys;  // ranked
};

// The document. Every code page 850 text is converted to UTF-8 as it is, whatever the configured
// transliteration. After a stopped rating the record holds its inputs only.
JsonValue result_json(const ResultJsonSource& source);

// The record under its field names: the inputs, and the derived values and results unless the
// rating stopped.
JsonValue record_json(const ConnectionRecord& rec);

// "Welle", "Nabe" or "Scheibenfeder".
std::string part_name_utf8(int part);

}  // namespace vx11
