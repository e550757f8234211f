#include "bench/input_folder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "docu/documentation.h"
#include "base/identity.h"
#include "project/input_data.h"

namespace vx11 {

std::string make_input_folder(const std::string& name, int count) {
  const FormatSettings format;
  const ProgramIdentity id;
  const std::string folder =
      (std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))).string();
  std::filesystem::create_directories(folder);
  ConnectionRecord rec;
  set_startup_defaults(rec);
  set_default_materials(rec);
  rec.key_row_number = 12;
  const Documentation doc;
  for (int i = 0; i < count; ++i) {
    rec.shaft_diameter_d = 17 + (i % 50) * 0.1L;
    rec.nominal_torque_tn = 10 + i % 40;
    rec.max_torque_tmax = rec.nominal_torque_tn * 1.5L;
    std::ostringstream text;
    write_input_data(text, rec, doc, format, id, "");
    std::ofstream(folder + "/w" + std::to_string(i) + ".vxk", std::ios::binary) << text.str();
  }
  return folder;
}

}  // namespace vx11
