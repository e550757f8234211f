// Build tool: turns a table's CSV source and field descriptions into its dBase file.
// vx11_mkdbf <fields.csv> <rows.csv> <out.dbf>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "calc/dbf_table.h"
#include "calc/table_exchange.h"
#include "base/format.h"
#include "base/text.h"

namespace {

bool read_lines(const std::string& path, std::vector<std::vector<std::string>>& rows) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> values;
    if (!vx11::split_delimited(line, values)) return false;
    rows.push_back(std::move(values));
  }
  return !rows.empty();
}

int fail(const std::string& text) {
  std::cerr << "vx11_mkdbf: " << text << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return fail("usage: vx11_mkdbf <fields.csv> <rows.csv> <out.dbf>");
  std::vector<std::vector<std::string>> descriptions;
  std::vector<std::vector<std::string>> rows;
  if (!read_lines(argv[1], descriptions)) return fail(std::string("cannot read ") + argv[1]);
  if (!read_lines(argv[2], rows)) return fail(std::string("cannot read ") + argv[2]);

  vx11::DbfFields fields;
  int offset = 1;
  for (std::size_t i = 1; i < descriptions.size(); ++i) {
    const auto& d = descriptions[i];
    if (d.size() != 4 || d[0].empty() || d[0].size() > 10 || d[1].size() != 1)
      return fail(std::string(argv[1]) + ": bad field line " + std::to_string(i + 1));
    const int width = static_cast<int>(vx11::parseInt(d[2]));
    fields.push_back({d[0], d[1][0], width, static_cast<int>(vx11::parseInt(d[3])), offset});
    offset += width;
  }
  const std::string out = argv[3];
  std::string problem;
  if (!vx11::DbfTable::create(out, fields, problem)) return fail(problem);

  vx11::DbfTable table;
  bool unreadable = false;
  if (!table.open(out, true, problem, unreadable)) return fail(out + ": " + problem);
  std::vector<std::vector<std::string>> records;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    if (rows[r].size() != fields.size())
      return fail(std::string(argv[2]) + ": line " + std::to_string(r + 1) + " has " +
                  std::to_string(rows[r].size()) + " values, the table " + std::to_string(fields.size()));
    std::vector<std::string> values;
    for (const auto& v : rows[r]) values.push_back(vx11::toCodePage850(v));
    records.push_back(std::move(values));
  }
  if (!table.append_rows(records, problem)) return fail(std::string(argv[2]) + ": " + vx11::plainNames(problem));
  table.close();
  return 0;
}
