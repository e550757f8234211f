#include "test_support.h"

namespace vx11::test {

std::optional<int> RecordingInteraction::choose(const std::string& caption, const std::vector<std::string>& items,
                                                int preset) {
  presets.push_back(preset);
  choice_items = items;
  return ScriptedInteraction::choose(caption, items, preset);
}

}  // namespace vx11::test
