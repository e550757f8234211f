// Shared pieces of the report tests: a scripted person, a scratch folder, file reading.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>

#include "report/interaction.h"

namespace vx11::test {

// Answers questions and choices from queues; an empty queue gives the batch default.
class ScriptedInteraction : public BatchInteraction {
 public:
  ScriptedInteraction() { echo = false; }
  std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items,
                            int preset) override;
  Answer ask_yes_no_cancel(const std::string& caption, const std::string& text) override;

  std::deque<std::optional<int>> choices;  // nullopt = Cancel
  std::deque<Answer> answers;
  std::vector<int> presets;      // preset of every choice shown
  std::vector<std::string> questions;
  std::vector<std::string> choice_items;  // items of the last choice
};

// A fresh empty folder below the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

}  // namespace vx11::test
