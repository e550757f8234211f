#include "report/message_browser.h"

#include <vector>

namespace vx11 {

void showMessages(MessageBrowsing& b) {
  if (b.no_prompts) return;
  const int count = b.messages.count();
  if (count == 0) {
    b.ui.message(kCaptionInfo, kNoMessagesText);
    return;
  }
  b.cancelled = false;
  std::vector<std::string> items;
  items.reserve(count + 1);
  for (int i = 1; i <= count; ++i) items.push_back(b.messages.entry(i));
  items.emplace_back(kMessageChoiceEnd);

  // Items are numbered from 1 here; the choice interface counts from 0.
  int preset = b.help_level < 2 ? count + 1 : 1;
  b.help_number = kHelpMessageList;
  for (;;) {
    b.help_number = kHelpMessageChoice;
    const auto chosen = b.ui.choose(kMessageChoiceTitle, items, preset - 1);
    if (!chosen) {
      b.cancelled = true;
      return;
    }
    b.cancelled = false;
    const int item = *chosen + 1;
    if (item < 1 || item > count) return;
    showDescription(b, item);
    if (b.cancelled) return;
    preset = item + 1;
    if (preset > count) return;
  }
}

void showDescription(MessageBrowsing& b, int i) {
  const std::string& message = b.messages.entry(i);
  const DescriptionLookup found = lookUpForDialog(b.files.source, message, b.ui);
  if (found.unreadable) b.cancelled = true;
  if (!found.description) return;
  const DescriptionEdit edit = b.dialog.edit(message, *found.description);
  if (!edit.changed) return;
  switch (b.ui.ask_yes_no_cancel(b.title, kSaveChangesQuestion)) {
    case Answer::Yes:
      if (saveDescription(b.files, message, edit.texts, b.ui) == DescriptionSave::Failed) b.cancelled = true;
      break;
    case Answer::No:
      break;
    case Answer::Cancel:
      b.cancelled = true;
      break;
  }
}

}  // namespace vx11
