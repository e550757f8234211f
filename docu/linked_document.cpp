#include "docu/linked_document.h"

#include "report/text.h"

namespace vx11 {

namespace {

bool windows_only(const std::string& program) {
  const std::string p = lower(trimBlanks(program));
  if (p.empty()) return true;
  if (p.find('\\') != std::string::npos) return true;
  if (p.size() >= 2 && p[1] == ':') return true;
  return p.ends_with(".exe") || p.ends_with(".exe\"") || p.ends_with(".com") || p.ends_with(".bat");
}

// A file typed with quotes around it (as Windows users do) loses them; blanks inside stay.
std::string file_argument(const std::string& file) {
  std::string f = trimBlanks(file);
  if (f.size() >= 2 && f.front() == '"' && f.back() == '"') f = f.substr(1, f.size() - 2);
  return f;
}

}  // namespace

std::vector<std::string> document_command(const LinkedDocument& doc) {
  std::vector<std::string> argv;
  if (windows_only(doc.program))
    argv.push_back(kDefaultDocumentProgram);
  else
    argv = split_command_line(doc.program);
  const std::string file = file_argument(doc.file);
  if (!file.empty()) argv.push_back(file);
  return argv;
}

bool open_document(const Documentation& doc, int k, ProcessStarter& starter) {
  if (k < 1 || k > limits::kDocuments) return false;
  return starter.start(document_command(doc.documents[k - 1]));
}

}  // namespace vx11
