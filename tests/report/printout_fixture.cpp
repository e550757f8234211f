#include "printout_fixture.h"

namespace vx11::test {

PrintoutFixture::PrintoutFixture() {
  config.temp_folder = "/tmp/vx11-golden/";
  applyConfiguration();
  ReportSource source;
  source.owner_line = "Getriebebau Muster GmbH";
  source.data_directory = "/home/anwender/daten";
  source.file_name = "beispiel";
  source.info_text = exampleInfoText();
  source.working_folder = "/nonexistent/";
  std::tm when{};
  when.tm_year = 126;
  when.tm_mon = 11;
  when.tm_mday = 9;
  when.tm_hour = 14;
  when.tm_min = 30;
  source.when = when;
  stream.set_source(source);
  ui.files.assign(8, "/home/anwender/daten/beispiel.txt");  // every file dialog of a test
}

}  // namespace vx11::test
