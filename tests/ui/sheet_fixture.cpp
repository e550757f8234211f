#include "tests/ui/sheet_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "project/input_data.h"
#include "tests/support/worked_example.h"

namespace vx11::test {

void SheetTest::SetUp() {
  DialogTest::SetUp();
  ui = ScriptedInteraction();
  fake = FakeStarter();
  main_window = std::make_unique<Thh>();
  // The same program state, its programs started by the fake.
  state = std::make_unique<ProgramState>(Frontend{ui, browser, ReportOutlets{window, *printer, fake}});
  state->config.dbf_folder = root + "/dbf";
  state->config.temp_folder = temp_folder;
  state->config.input_window_scale = 100;
  state->apply_configuration();
  data = root + "/data/";
  std::filesystem::create_directories(data);
  state->session.data_directory = data;
}

std::string SheetTest::write_input(const std::string& file_name, Real d, const std::string& shaft_number) {
  ConnectionRecord rec = worked_example_inputs();
  rec.shaft_diameter_d = d;
  rec.inner_part_number = shaft_number;
  std::ostringstream text;
  write_input_data(text, rec, Documentation{}, state->format, state->identity, "");
  const std::string path = data + file_name;
  std::ofstream(path, std::ios::binary) << text.str();
  return path;
}

std::vector<std::string> SheetTest::messages() const {
  std::vector<std::string> texts;
  for (const std::string& shown : ui.shown) texts.push_back(shown.substr(shown.find('|') + 1));
  return texts;
}

}  // namespace vx11::test
