// Shared pieces of the report tests: a scripted person, a scratch folder, file reading.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/interaction.h"

namespace vx11::test {

// The scripted person of the tests, also keeping the preset and the items of every choice.
class RecordingInteraction : public ScriptedInteraction {
 public:
  std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items,
                            int preset) override;
  std::vector<int> presets;
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
