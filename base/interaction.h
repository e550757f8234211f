// The interactive steps the core needs from a person: message boxes, questions, choices, text input
// and file dialogs. The window implements them with dialogs; batch mode and tests without one.
// Every text handed across is in code page 850; a window converts for display. File and folder names
// inside a text are marked (`nameText`) and shown as they are. The folders and names of the file
// dialogs and the paths they return are names: the file system's own bytes, never converted.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vx11 {

enum class Answer { Yes, No, Cancel };

// Captions of the message boxes.
inline constexpr const char* kCaptionInfo = "Meldung:";
inline constexpr const char* kCaptionError = "Fehler : ";
inline constexpr const char* kCaptionHelp = "Hilfe";

class Interaction {
 public:
  virtual ~Interaction() = default;

  // A message box with one OK button.
  virtual void message(const std::string& caption, const std::string& text) = 0;
  // A yes/no/cancel question captioned with the program title.
  virtual Answer ask_yes_no_cancel(const std::string& caption, const std::string& text) = 0;
  // One of several items; returns the chosen index or nullopt for Cancel.
  virtual std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items,
                                    int preset) = 0;
  // A line of text, preset with `text`; nullopt for Cancel. When the preset is a marked name, the
  // answer is a name too (as typed, without marks).
  virtual std::optional<std::string> ask_text(const std::string& caption, const std::string& prompt,
                                              const std::string& text) = 0;
  // Open and save dialogs; `filter` like "*.vxk". nullopt for Cancel.
  virtual std::optional<std::string> open_file(const std::string& title, const std::string& folder,
                                               const std::string& filter) = 0;
  virtual std::optional<std::string> save_file(const std::string& title, const std::string& folder,
                                               const std::string& name, const std::string& filter) = 0;
};

// Batch mode: never waits. Messages go to standard error, questions take their default
// (Yes for yes/no/cancel, the preset for choices, the preset text), file dialogs cancel.
class BatchInteraction : public Interaction {
 public:
  void message(const std::string& caption, const std::string& text) override;
  Answer ask_yes_no_cancel(const std::string& caption, const std::string& text) override;
  std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items,
                            int preset) override;
  std::optional<std::string> ask_text(const std::string& caption, const std::string& prompt,
                                      const std::string& text) override;
  std::optional<std::string> open_file(const std::string& title, const std::string& folder,
                                       const std::string& filter) override;
  std::optional<std::string> save_file(const std::string& title, const std::string& folder,
                                       const std::string& name, const std::string& filter) override;
  // When false, message boxes are swallowed (tests that only count them).
  bool echo = true;
  std::vector<std::string> shown;  // "caption|text" of every message box, in order, names without marks
};

// Tests: answers are taken from queues in order; an empty queue answers like batch mode.
class ScriptedInteraction : public BatchInteraction {
 public:
  std::vector<Answer> answers;                       // yes/no/cancel questions
  std::vector<std::optional<int>> choices;           // choose
  std::vector<std::optional<std::string>> texts;     // ask_text
  std::vector<std::optional<std::string>> files;     // open_file and save_file
  std::vector<std::string> asked;                    // "caption|text" of every question, names without marks

  ScriptedInteraction() { echo = false; }
  Answer ask_yes_no_cancel(const std::string& caption, const std::string& text) override;
  std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items,
                            int preset) override;
  std::optional<std::string> ask_text(const std::string& caption, const std::string& prompt,
                                      const std::string& text) override;
  std::optional<std::string> open_file(const std::string& title, const std::string& folder,
                                       const std::string& filter) override;
  std::optional<std::string> save_file(const std::string& title, const std::string& folder,
                                       const std::string& name, const std::string& filter) override;

 private:
  std::size_t next_answer_ = 0, next_choice_ = 0, next_text_ = 0, next_file_ = 0;
};

}  // namespace vx11
