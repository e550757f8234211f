// A person for the tests: answers from a script, and a record of every box and question.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "report/interaction.h"

namespace vx11::testing {

class ScriptedInteraction : public Interaction {
 public:
  std::deque<Answer> answers;                   // for yes/no/cancel; Yes when empty
  std::deque<std::optional<std::string>> files; // for the file dialogs; Cancel when empty
  std::vector<std::string> messages;            // "caption|text"
  std::vector<std::string> questions;
  std::vector<std::string> dialog_folders;

  void message(const std::string& caption, const std::string& text) override {
    messages.push_back(caption + "|" + text);
  }
  Answer ask_yes_no_cancel(const std::string&, const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<int> choose(const std::string&, const std::vector<std::string>&, int preset) override {
    return preset;
  }
  std::optional<std::string> ask_text(const std::string&, const std::string&, const std::string& t) override {
    return t;
  }
  std::optional<std::string> open_file(const std::string&, const std::string& folder, const std::string&) override {
    return next_file(folder);
  }
  std::optional<std::string> save_file(const std::string&, const std::string& folder, const std::string&,
                                       const std::string&) override {
    return next_file(folder);
  }

 private:
  std::optional<std::string> next_file(const std::string& folder) {
    dialog_folders.push_back(folder);
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
  }
};

}  // namespace vx11::testing
