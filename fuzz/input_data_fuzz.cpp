// Input data files from any bytes: the record and documentation read write a file that reads back to
// the same record and documentation (the written file is a fixed point of reading and writing).
#include <sstream>

#include "fuzz/file_compare.h"
#include "fuzz/fuzz_check.h"
#include "project/input_data.h"

using namespace vx11;

namespace {

struct Read {
  ConnectionRecord rec;
  Documentation doc;
  InputReadResult result;
};

Read read_text(const std::string& text) {
  Read r;
  std::istringstream in(text);
  r.result = read_input_data(in, r.rec, r.doc);
  return r;
}

std::string write_text(const Read& r, const FormatSettings& format) {
  std::ostringstream out;
  write_input_data(out, r.rec, r.doc, format, ProgramIdentity{}, "Firma");
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The last byte picks the decimals (1..9, as the configuration allows) and the separator.
  FormatSettings format;
  if (size > 0) {
    format.decimals = 1 + data[size - 1] % 9;
    format.decimal_separator = (data[size - 1] & 0x80) ? 2 : 1;
  }
  const Read first = read_text(fuzz::bytes(data, size));
  const std::string written = write_text(first, format);
  const Read second = read_text(written);
  fuzz::require(second.result.complete, "a written file reads back complete");
  const std::string rewritten = write_text(second, format);
  fuzz::require(fuzz::same_values(rewritten, written), "a written file reads back to the same record and documentation");
  fuzz::require(write_text(read_text(rewritten), format) == rewritten, "a file read back once stays as it is");
  return 0;
}
