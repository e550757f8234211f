#include "report/message_descriptions.h"

#include <fstream>
#include <sstream>

#include "base/file_create.h"
#include "base/paths.h"
#include "base/safe_file.h"
#include "base/text.h"

namespace vx11 {

namespace {

constexpr const char* kEol = "\r\n";

bool readLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::string writeErrorText(std::string_view path, int error_number) {
  return "Datei " + nameText(path) + " nicht gespeichert, die bisherige Datei bleibt unver\x84ndert: " +
         create_error_text(error_number);
}

}  // namespace

DescriptionFiles descriptionFiles(std::string_view help_picture_folder, std::string_view temp_folder,
                                  const ProgramIdentity& id) {
  const std::string name = id.description_file();
  return {with_slash(help_picture_folder) + name, with_slash(temp_folder) + name};
}

DescriptionFiles descriptionFiles(const Configuration& config, const ProgramIdentity& id) {
  const bool no_temp = trimBlanks(config.temp_folder).empty();
  return descriptionFiles(config.plt_folder, no_temp ? temporary_folder() : config.temp_folder, id);
}

bool keyMatches(std::string_view line, std::string_view message) {
  return line.substr(0, kDescriptionKeyLength) == message.substr(0, kDescriptionKeyLength);
}

std::optional<MessageDescription> findDescription(std::istream& in, std::string_view message) {
  std::string line;
  while (readLine(in, line)) {
    if (!keyMatches(line, message)) continue;
    MessageDescription d;
    if (!readLine(in, d.cause)) return std::nullopt;
    readLine(in, d.remedy);
    return d;
  }
  return std::nullopt;
}

bool rewriteDescription(std::istream& in, std::ostream& out, std::string_view message,
                        const MessageDescription& description) {
  std::string line;
  bool found = false;
  while (!found && readLine(in, line)) {
    out << line << kEol;
    found = keyMatches(line, message);
  }
  if (!found) return false;
  readLine(in, line);  // the old cause
  out << description.cause << kEol;
  readLine(in, line);  // the old remedy
  out << description.remedy << kEol;
  while (readLine(in, line)) out << line << kEol;
  return true;
}

std::string fileNotFoundText(std::string_view path) {
  return "Datei " + nameText(path) + " nicht gefunden oder kein Zugriffsrecht !";
}

MessageDescription describeForPrint(const std::string& source, std::string_view message) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return {};
  if (auto d = findDescription(in, message)) return *d;
  return {kNoDescription, ""};
}

DescriptionLookup lookUpForDialog(const std::string& source, std::string_view message, Interaction& ui) {
  std::ifstream in(source, std::ios::binary);
  if (!in) {
    ui.message(kCaptionError, fileNotFoundText(source));
    return {std::nullopt, true};
  }
  auto d = findDescription(in, message);
  if (!d) ui.message("Meldung", kNoDescription);
  return {std::move(d), false};
}

DescriptionSave saveDescription(const DescriptionFiles& files, std::string_view message,
                                const MessageDescription& description, Interaction& ui) {
  if (upper(files.source) == upper(files.work)) return DescriptionSave::NotSaved;
  std::ifstream in(files.source, std::ios::binary);
  if (!in) {
    ui.message(kCaptionError, fileNotFoundText(files.source));
    return DescriptionSave::Failed;
  }
  // The new text is made whole in memory and replaces the file only once it is on disk: a full
  // disk or a write error leaves every record of the old file as it was.
  std::ostringstream work;
  const bool found = rewriteDescription(in, work, message, description);
  if (in.bad()) {
    ui.message(kCaptionError, fileNotFoundText(files.source));
    return DescriptionSave::Failed;
  }
  in.close();
  if (!found) {
    ui.message(kCaptionInfo, std::string(message) + " not found.");
    return DescriptionSave::NotSaved;
  }
  if (const int err = replace_file(files.source, work.view()); err != 0) {
    ui.message(kCaptionError, writeErrorText(files.source, err));
    return DescriptionSave::Failed;
  }
  return DescriptionSave::Saved;
}

}  // namespace vx11
