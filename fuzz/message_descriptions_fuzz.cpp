// The message description file from any bytes: a description found has one line per text, and a
// description written for a message is the one found for it afterwards, the other lines kept.
#include <sstream>

#include "fuzz/fuzz_check.h"
#include "report/message_descriptions.h"

using namespace vx11;

namespace {

std::string one_line(std::string_view text) {
  std::string t(text);
  for (char& c : t)
    if (c == '\r' || c == '\n') c = ' ';
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The message up to the first zero byte, the file after it.
  const std::string input = fuzz::bytes(data, size);
  const auto [message_part, file] = fuzz::split_at(input, '\0');
  const std::string message = one_line(message_part);
  const std::string text(file);

  std::istringstream in(text);
  const auto found = findDescription(in, message);
  if (found) {
    fuzz::require(found->cause.find('\n') == std::string::npos && found->remedy.find('\n') == std::string::npos,
                  "a description is one line per text");
  }

  const MessageDescription changed{"Ursache " + message.substr(0, 20), "Abhilfe"};
  std::istringstream source(text);
  std::ostringstream out;
  const bool rewritten = rewriteDescription(source, out, message, changed);
  fuzz::require(rewritten || !found, "a message with a description can be rewritten");
  if (!rewritten) return 0;
  std::istringstream back(out.str());
  const auto after = findDescription(back, message);
  fuzz::require(after.has_value(), "a rewritten description is found");
  fuzz::require(after->cause == changed.cause && after->remedy == changed.remedy,
                "the rewritten description is the one found");
  return 0;
}
