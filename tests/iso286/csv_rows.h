// Reads the checked ISO 286 CSV copies beside the tests into rows of named fields.
#pragma once

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vx11::test {

using CsvRow = std::map<std::string, std::string>;

// Fields split at commas outside double quotes; quotes are removed.
inline std::vector<std::string> split_csv_line(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  return fields;
}

// The file of that name in this test folder, one map per line after the header.
inline std::vector<CsvRow> read_csv(const std::string& name) {
  const std::string path = std::string(VX11_TEST_DIR) + "/iso286/" + name;
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::string line;
  std::getline(in, line);
  const auto header = split_csv_line(line);
  std::vector<CsvRow> rows;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    const auto fields = split_csv_line(line);
    if (fields.size() != header.size()) throw std::runtime_error(path + ": bad line " + line);
    CsvRow row;
    for (std::size_t i = 0; i < header.size(); ++i) row[header[i]] = fields[i];
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace vx11::test
