// Workbooks from any bytes: a sheet that reads, written again as a workbook, reads back to the same
// cells. Input that does not start like a zip archive is taken as the parts of a workbook (separated
// by byte 1) and packed into a valid archive first, so the XML readers get most of the attention
// rather than the archive's checksums.
#include <unistd.h>
#include <zip.h>

#include <array>
#include <fstream>

#include "fuzz/fuzz_check.h"
#include "report/spreadsheet_reader.h"
#include "report/spreadsheet_writer.h"

using namespace vx11;

namespace {

const std::string& work_folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/vx11_fuzz_workbook_XXXXXX";
    fuzz::require(::mkdtemp(pattern) != nullptr, "a work folder");
    return std::string(pattern);
  }();
  return folder;
}

constexpr std::array<const char*, 6> kParts = {
    "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/workbook.xml",
    "xl/_rels/workbook.xml.rels", "_rels/.rels", "[Content_Types].xml"};

// Packs the parts into a stored (uncompressed) archive at `path`.
void pack_parts(std::string_view input, const std::string& path) {
  int code = 0;
  zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  fuzz::require(zip != nullptr, "an archive can be created");
  for (const char* name : kParts) {
    auto [part, rest] = fuzz::split_at(input, '\x01');
    input = rest;
    zip_source_t* source = zip_source_buffer(zip, part.data(), part.size(), 0);
    fuzz::require(source != nullptr, "a part source");
    const zip_int64_t index = zip_file_add(zip, name, source, ZIP_FL_OVERWRITE);
    fuzz::require(index >= 0, "a part is added");
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    if (input.empty()) break;
  }
  fuzz::require(zip_close(zip) == 0, "the archive is written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = work_folder() + "/in.xlsx";
  const std::string input = fuzz::bytes(data, size);
  if (input.starts_with("PK")) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(input.data(), static_cast<std::streamsize>(size));
  } else {
    pack_parts(input, path);
  }
  WorksheetCells cells;
  std::string error;
  if (!read_worksheet(path, cells, error)) {
    fuzz::require(!error.empty(), "a workbook that does not read says why");
    return 0;
  }
  fuzz::require(error.empty(), "no reason without a failure");

  const std::string copy = work_folder() + "/copy.xlsx";
  WorkbookLayout layout;
  layout.all_text = true;
  if (!write_workbook(copy, cells.rows, layout, error)) {
    fuzz::require(!error.empty(), "a workbook that cannot be written says why");
    return 0;
  }
  WorksheetCells back;
  fuzz::require(read_worksheet(copy, back, error), "a written workbook reads");
  fuzz::require(back.rows == cells.rows, "a written workbook reads back to the same cells");
  return 0;
}
