#include "base/interaction.h"

#include <iostream>

#include "base/text.h"

namespace vx11 {

void BatchInteraction::message(const std::string& caption, const std::string& text) {
  shown.push_back(caption + "|" + plainNames(text));
  if (echo) std::cerr << cp850ToUtf8(trimBlanks(caption)) << ' ' << cp850ToUtf8(text) << '\n';
}

Answer BatchInteraction::ask_yes_no_cancel(const std::string&, const std::string&) { return Answer::Yes; }

std::optional<int> BatchInteraction::choose(const std::string&, const std::vector<std::string>& items,
                                            int preset) {
  if (items.empty()) return std::nullopt;
  return preset >= 0 && preset < static_cast<int>(items.size()) ? preset : 0;
}

std::optional<std::string> BatchInteraction::ask_text(const std::string&, const std::string&,
                                                      const std::string& text) {
  return plainNames(text);
}

std::optional<std::string> BatchInteraction::open_file(const std::string&, const std::string&,
                                                       const std::string&) {
  return std::nullopt;
}

std::optional<std::string> BatchInteraction::save_file(const std::string&, const std::string&,
                                                       const std::string&, const std::string&) {
  return std::nullopt;
}

Answer ScriptedInteraction::ask_yes_no_cancel(const std::string& caption, const std::string& text) {
  asked.push_back(caption + "|" + plainNames(text));
  if (next_answer_ < answers.size()) return answers[next_answer_++];
  return BatchInteraction::ask_yes_no_cancel(caption, text);
}

std::optional<int> ScriptedInteraction::choose(const std::string& caption, const std::vector<std::string>& items,
                                               int preset) {
  asked.push_back(caption + "|" + (items.empty() ? std::string() : items.front()));
  if (next_choice_ < choices.size()) return choices[next_choice_++];
  return BatchInteraction::choose(caption, items, preset);
}

std::optional<std::string> ScriptedInteraction::ask_text(const std::string& caption, const std::string& prompt,
                                                         const std::string& text) {
  asked.push_back(caption + "|" + prompt);
  if (next_text_ < texts.size()) return texts[next_text_++];
  return BatchInteraction::ask_text(caption, prompt, text);
}

std::optional<std::string> ScriptedInteraction::open_file(const std::string& title, const std::string& folder,
                                                          const std::string& filter) {
  asked.push_back(title + "|" + folder);
  if (next_file_ < files.size()) return files[next_file_++];
  return BatchInteraction::open_file(title, folder, filter);
}

std::optional<std::string> ScriptedInteraction::save_file(const std::string& title, const std::string& folder,
                                                          const std::string& name, const std::string& filter) {
  asked.push_back(title + "|" + name);
  if (next_file_ < files.size()) return files[next_file_++];
  return BatchInteraction::save_file(title, folder, name, filter);
}

}  // namespace vx11
