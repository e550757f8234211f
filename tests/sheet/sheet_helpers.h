// Shared pieces of the spreadsheet and result table tests: a recording process starter and the
// independent workbook reader.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "report/report_outlets.h"
#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

// Knows the programs it is told about; records what it was asked to start.
class RecordingStarter : public ProcessStarter {
 public:
  explicit RecordingStarter(std::set<std::string> programs) : programs_(std::move(programs)) {}
  bool exists(const std::string& program) override { return programs_.count(program) > 0; }
  bool start(const std::vector<std::string>& argv) override {
    started.push_back(argv);
    return exists(argv.at(0));
  }
  std::vector<std::vector<std::string>> started;

 private:
  std::set<std::string> programs_;
};

// A zip package of the given parts (name, content), as another program might write a workbook.
using PackagePart = std::pair<std::string, std::string>;
void write_package(const std::string& path, const std::vector<PackagePart>& parts);
// The parts of a one-sheet workbook around the sheet's XML (and shared strings when not empty).
std::vector<PackagePart> workbook_parts(const std::string& sheet_xml, const std::string& shared_strings_xml = {});

// The cells of the workbook's active sheet as another program reads them, one line per filled cell:
// "A1<TAB>s<TAB>text", "B2<TAB>n<TAB>1.5<TAB>0.00" (type s text, n number, b boolean; then the
// number format). Texts have tab, line feed and backslash escaped.
std::vector<std::string> cells_seen_by_openpyxl(const std::string& workbook);

}  // namespace vx11::test
