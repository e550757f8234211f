// Browsing the messages of a run: the choice of a message, its cause and remedy in the
// description dialog, and saving an edited description.
#pragma once

#include <string>

#include "base/interaction.h"
#include "report/message_descriptions.h"
#include "base/message_list.h"
#include "base/help_numbers.h"

namespace vx11 {

inline constexpr const char* kNoMessagesText = "Berechnung erfolgreich ohne Fehlermeldungen";
inline constexpr const char* kMessageChoiceTitle =
    "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.";
inline constexpr const char* kMessageChoiceEnd = "Weiter/zur\x81" "ck...";
inline constexpr const char* kSaveChangesQuestion = "Save Changes ?";

// The texts of the description dialog as the user leaves it with OK.
struct DescriptionEdit {
  MessageDescription texts;
  bool changed = false;  // any edit of the cause or the remedy
};

// The description dialog: the message read-only, cause and remedy editable (code page 850 both ways).
class DescriptionDialog {
 public:
  virtual ~DescriptionDialog() = default;
  virtual DescriptionEdit edit(const std::string& message, const MessageDescription& description) = 0;
};

// Without a window: shows nothing and changes nothing.
class PassiveDescriptionDialog : public DescriptionDialog {
 public:
  DescriptionEdit edit(const std::string&, const MessageDescription& description) override {
    return {description, false};
  }
};

// What browsing reaches: the run's messages and flags, the settings, the person.
struct MessageBrowsing {
  const MessageList& messages;
  bool& cancelled;
  int& help_number;
  int help_level = 1;       // "Hilfegrad"
  bool no_prompts = false;  // "/NOGUI", or start-up running without prompts
  std::string title;        // caption of the questions: the program title
  DescriptionFiles files;
  Interaction& ui;
  DescriptionDialog& dialog;
};

// The message dialog: a choice of the messages, each opening its description, until the user
// goes on ("Weiter/zurück...") or cancels. With no messages only the success note.
void showMessages(MessageBrowsing& b);

// The description dialog for message i (1-based); a changed description is saved on "Save Changes ?" yes.
void showDescription(MessageBrowsing& b, int i);

}  // namespace vx11
