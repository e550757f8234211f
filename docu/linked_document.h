// Opening the linked documents of the menu.
#pragma once

#include <string>
#include <vector>

#include "docu/documentation.h"
#include "report/report_outlets.h"

namespace vx11 {

// The arguments that open document k: the program's command line, then the file as one argument.
// An empty program, or one only Windows has (a drive letter, backslashes, ".exe"), becomes xdg-open.
std::vector<std::string> document_command(const LinkedDocument& doc);

// Starts linked document k (1..5); a document that cannot be started gives no message.
bool open_document(const Documentation& doc, int k, ProcessStarter& starter);

}  // namespace vx11
