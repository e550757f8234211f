#include "report/interaction.h"

#include <iostream>

namespace vx11 {

void BatchInteraction::message(const std::string& caption, const std::string& text) {
  shown.push_back(caption + "|" + text);
  if (echo) std::cerr << caption << ' ' << text << '\n';
}

Answer BatchInteraction::ask_yes_no_cancel(const std::string&, const std::string&) { return Answer::Yes; }

std::optional<int> BatchInteraction::choose(const std::string&, const std::vector<std::string>& items,
                                            int preset) {
  if (items.empty()) return std::nullopt;
  return preset >= 0 && preset < static_cast<int>(items.size()) ? preset : 0;
}

std::optional<std::string> BatchInteraction::ask_text(const std::string&, const std::string&,
                                                      const std::string& text) {
  return text;
}

std::optional<std::string> BatchInteraction::open_file(const std::string&, const std::string&,
                                                       const std::string&) {
  return std::nullopt;
}

std::optional<std::string> BatchInteraction::save_file(const std::string&, const std::string&,
                                                       const std::string&, const std::string&) {
  return std::nullopt;
}

}  // namespace vx11
