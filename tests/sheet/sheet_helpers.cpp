#include "sheet_helpers.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>
#include <zip.h>

#include "tests/support/command_run.h"
namespace vx11::test {

void write_package(const std::string& path, const std::vector<PackagePart>& parts) {
  int error = 0;
  zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(zip, nullptr) << "zip_open " << error;
  for (const auto& [name, content] : parts) {
    // libzip copies nothing: the buffer must live until zip_close, so hand it a copy it frees.
    void* copy = std::malloc(content.size() + 1);
    std::memcpy(copy, content.data(), content.size());
    zip_source_t* source = zip_source_buffer(zip, copy, content.size(), 1);
    ASSERT_NE(source, nullptr);
    ASSERT_GE(zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE), 0) << name;
  }
  ASSERT_EQ(zip_close(zip), 0);
}

std::vector<PackagePart> workbook_parts(const std::string& sheet_xml, const std::string& shared_strings_xml) {
  const std::string ns = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  std::string rels =
      "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"" + ns + "/worksheet\" Target=\"worksheets/sheet1.xml\"/>";
  if (!shared_strings_xml.empty())
    rels += "<Relationship Id=\"rId2\" Type=\"" + ns + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
  rels += "</Relationships>";
  std::vector<PackagePart> parts = {
      {"[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>"},
      {"_rels/.rels",
       "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
       "<Relationship Id=\"rId1\" Type=\"" + ns + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
      {"xl/workbook.xml",
       "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
       "xmlns:r=\"" + ns + "\"><sheets><sheet name=\"Tabelle1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
      {"xl/_rels/workbook.xml.rels", rels},
      {"xl/worksheets/sheet1.xml",
       "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
       "<sheetData>" + sheet_xml + "</sheetData></worksheet>"}};
  if (!shared_strings_xml.empty())
    parts.push_back({"xl/sharedStrings.xml",
                     "<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
                         shared_strings_xml + "</sst>"});
  return parts;
}

std::vector<std::string> cells_seen_by_openpyxl(const std::string& workbook) {
  const std::string command = "/usr/bin/python3 '" VX11_TEST_DIR "/sheet/openpyxl_cells.py' '" + workbook + "'";
  const CommandRun reader = run_command(command);
  if (!reader.started) return {"popen failed"};
  std::vector<std::string> lines;
  std::istringstream in(reader.output);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  if (reader.status != 0) lines.push_back("exit status " + std::to_string(reader.status));
  return lines;
}

}  // namespace vx11::test
