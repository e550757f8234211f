// Shared pieces of the report tests: a scripted person; scratch folders and whole files from tests/support.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/interaction.h"
#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

// The scripted person of the tests, also keeping the preset and the items of every choice.
class RecordingInteraction : public ScriptedInteraction {
 public:
  std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items,
                            int preset) override;
  std::vector<int> presets;
  std::vector<std::string> choice_items;  // items of the last choice
};

}  // namespace vx11::test
