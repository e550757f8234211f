#include "docu/linked_document.h"

#include "base/text.h"

namespace vx11 {

namespace {

// A file typed with quotes around it (as Windows users do) loses them; blanks inside stay.
std::string unquoted(const std::string& file) {
  std::string f = trimBlanks(file);
  if (f.size() >= 2 && f.front() == '"' && f.back() == '"') f = f.substr(1, f.size() - 2);
  return f;
}

// One text per command, for the session's list of allowed ones.
std::string command_key(const std::vector<std::string>& argv) {
  std::string key;
  for (const auto& a : argv) key += a + '\0';
  return key;
}

}  // namespace

std::vector<std::string> document_command(const LinkedDocument& doc) {
  std::vector<std::string> argv = program_command(doc.program);
  const std::string file = unquoted(doc.file);
  if (!file.empty()) argv.push_back(file_argument(file));
  return argv;
}

bool opens_with_default_program(const LinkedDocument& doc) {
  return program_command(doc.program) == std::vector<std::string>{kDefaultOpener};
}

bool open_document(const Documentation& doc, int k, DocumentStart& start) {
  if (start.batch || k < 1 || k > limits::kDocuments) return false;
  const LinkedDocument& d = doc.documents[static_cast<std::size_t>(k) - 1];
  const std::vector<std::string> argv = document_command(d);
  if (!opens_with_default_program(d) && !start.allowed.contains(command_key(argv))) {
    const std::string question = "Dokument " + std::to_string(k) + " startet das Programm\n" +
                                 nameText(trimBlanks(d.program)) + "\nmit der Datei\n" +
                                 nameText(unquoted(d.file)) +
                                 "\n\nDie Eingabedatei bestimmt dieses Programm.  Programm starten ?";
    if (start.ui.ask_yes_no_cancel(start.title, question) != Answer::Yes) return false;
    start.allowed.insert(command_key(argv));
  }
  return start.starter.start(argv);
}

}  // namespace vx11
