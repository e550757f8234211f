#include "project/result_table_rater.h"

#include "calc/rating.h"
#include "docu/documentation.h"
#include "project/input_file.h"

namespace vx11 {

namespace {

// The text of the last message box, without its caption.
std::string last_message(const BatchInteraction& quiet) {
  if (quiet.shown.empty()) return {};
  const std::string& shown = quiet.shown.back();
  const auto bar = shown.find('|');
  return bar == std::string::npos ? shown : shown.substr(bar + 1);
}

}  // namespace

FileRating ProgramFileRater::rate(const std::string& path, ConnectionRecord& rec) {
  Documentation doc;
  MessageList messages;
  return rate(path, rec, doc, messages);
}

FileRating ProgramFileRater::rate(const std::string& path, ConnectionRecord& rec, Documentation& doc,
                                  MessageList& messages) {
  BatchInteraction quiet;
  quiet.echo = false;
  Session session = session_;
  session.error_display = true;  // the reasons are wanted, in the row instead of a box
  int help_number = 0;
  InputFileContext input{rec, doc, format_, quiet, help_number, session, id_};
  rec.cancelled = false;
  read_input_file(input, path);
  if (rec.cancelled) {
    const std::string why = last_message(quiet);
    return {false, false, why.empty() ? "Datei nicht lesbar !" : why};
  }
  quiet.shown.clear();
  CalcContext calc{rec, messages, format_, tables_, quiet, help_number};
  run_rating(calc);
  if (rec.fatal_error) {
    const std::string fatal = first_fatal_message(messages);
    return {true, true, fatal.empty() ? last_message(quiet) : fatal};
  }
  if (rec.cancelled && !quiet.shown.empty()) return {true, true, last_message(quiet)};
  return {true, false, {}};
}

}  // namespace vx11
