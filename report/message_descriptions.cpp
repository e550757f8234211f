#include "report/message_descriptions.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "project/paths.h"
#include "report/text.h"

namespace vx11 {

namespace {

constexpr const char* kEol = "\r\n";

bool readLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::string writeErrorText(std::string_view path) {
  return "Fehler beim Schreiben der Datei " + std::string(path) + " !";
}

// Replaces `target` by `from` without leaving a half-written target: a sibling copy is renamed
// over it; where no sibling can be made (a folder without write access) the target is overwritten.
bool copyOver(const std::string& from, const std::string& target) {
  std::error_code ec;
  const std::string sibling = target + ".$$$";
  if (std::filesystem::copy_file(from, sibling, std::filesystem::copy_options::overwrite_existing, ec)) {
    std::filesystem::rename(sibling, target, ec);
    if (!ec) return true;
    std::filesystem::remove(sibling, ec);
  }
  ec.clear();
  return std::filesystem::copy_file(from, target, std::filesystem::copy_options::overwrite_existing, ec) && !ec;
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
  return "Datei " + std::string(path) + " nicht gefunden oder kein Zugriffsrecht !";
}

MessageDescription describeForPrint(const std::string& source, std::string_view message) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return {};
  if (auto d = findDescription(in, message)) return *d;
  return {kNoDescription, ""};
}

std::optional<MessageDescription> lookUpForDialog(const std::string& source, std::string_view message,
                                                  Interaction& ui, bool& cancelled) {
  std::ifstream in(source, std::ios::binary);
  if (!in) {
    ui.message(kCaptionError, fileNotFoundText(source));
    cancelled = true;
    return std::nullopt;
  }
  auto d = findDescription(in, message);
  if (!d) ui.message("Meldung", kNoDescription);
  return d;
}

bool saveDescription(const DescriptionFiles& files, std::string_view message,
                     const MessageDescription& description, Interaction& ui, bool& cancelled) {
  if (upper(files.source) == upper(files.work)) return false;
  std::ifstream in(files.source, std::ios::binary);
  if (!in) {
    ui.message(kCaptionError, fileNotFoundText(files.source));
    cancelled = true;
    return false;
  }
  bool found = false;
  bool write_failed = false;
  {
    std::ofstream work(files.work, std::ios::binary | std::ios::trunc);
    if (!work) {
      ui.message(kCaptionError, writeErrorText(files.work));
      cancelled = true;
      return false;
    }
    found = rewriteDescription(in, work, message, description);
    work.flush();
    write_failed = in.bad() || !work;
  }
  in.close();
  std::error_code ec;
  if (write_failed) {
    ui.message(kCaptionError, writeErrorText(files.work));
    cancelled = true;
    found = false;
  } else if (!found) {
    ui.message(kCaptionInfo, std::string(message) + " not found.");
  }
  if (!found) {
    std::filesystem::remove(files.work, ec);
    return false;
  }
  if (!copyOver(files.work, files.source)) {
    ui.message(kCaptionError, writeErrorText(files.source));
    cancelled = true;
    std::filesystem::remove(files.work, ec);
    return false;
  }
  std::filesystem::remove(files.work, ec);
  return true;
}

}  // namespace vx11
