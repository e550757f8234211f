#include "sheet_helpers.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

namespace vx11::test {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vx11-sheet-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void ScratchFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> cells_seen_by_openpyxl(const std::string& workbook) {
  const std::string command = "/usr/bin/python3 '" VX11_TEST_DIR "/sheet/openpyxl_cells.py' '" + workbook + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return {"popen failed"};
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = ::pclose(pipe);
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (status != 0) lines.push_back("exit status " + std::to_string(status));
  return lines;
}

}  // namespace vx11::test
