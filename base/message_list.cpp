#include "base/message_list.h"

namespace vx11 {

void MessageList::add(std::string_view text) {
  const std::string_view head = text.substr(0, kMaxLength);
  for (std::uint16_t i = 0; i < count_; ++i)
    if (entries_[i] == head) return;
  if (count_ >= kMaxEntries) return;
  entries_[count_++] = std::string(head);
}

void MessageList::clear(bool& fatal_error) {
  count_ = 0;
  fatal_error = false;
}

const std::string& MessageList::entry(int n) const {
  static const std::string empty;
  if (n < 1 || n > count_) return empty;
  return entries_[n - 1];
}

std::string first_fatal_message(const MessageList& messages) {
  for (int n = 1; n <= messages.count(); ++n)
    if (messages.entry(n).starts_with(kFatalPrefix)) return messages.entry(n);
  return {};
}

}  // namespace vx11
