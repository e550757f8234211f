// Opening the linked documents of the menu. Input files are exchanged between people, so a
// document that names a program of its own starts only after the person allowed it.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "docu/documentation.h"
#include "base/interaction.h"
#include "report/process_starter.h"

namespace vx11 {

// The arguments that open a document: the program's command line, then the file as one argument
// that cannot pass for an option. An empty program, or one only Windows has (a drive letter,
// backslashes, ".exe"), becomes the default opener.
std::vector<std::string> document_command(const LinkedDocument& doc);

// True when the document opens with the default opener alone, which needs no question.
bool opens_with_default_program(const LinkedDocument& doc);

// What starting a document needs besides the document.
struct DocumentStart {
  ProcessStarter& starter;
  Interaction& ui;
  std::string title;                // caption of the question
  std::set<std::string>& allowed;   // commands the person allowed in this session
  bool batch = false;               // nobody to ask: no document is ever started
};

// Starts linked document k (1..5). A program other than the default opener is named, with the
// document, in a yes/no question first, asked once per command and session; only Yes starts it.
// A document that cannot be started gives no message. True when it was started.
bool open_document(const Documentation& doc, int k, DocumentStart& start);

}  // namespace vx11
