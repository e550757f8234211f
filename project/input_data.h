// The input data file's lines: every input of the connection and its documentation, one value per
// line in a fixed order, CR LF line ends, texts in code page 850.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

#include "calc/connection_record.h"
#include "docu/documentation.h"
#include "base/identity.h"
#include "base/format_settings.h"

namespace vx11 {

// Writes the whole file. The settings give the decimals and the separator of the real lines; the
// identity gives the title and version lines, `owner_line` the free fourth line. Stream errors stay
// in the stream's state.
void write_input_data(std::ostream& out, const ConnectionRecord& rec, const Documentation& doc,
                      const FormatSettings& s, const ProgramIdentity& id, std::string_view owner_line);

struct InputReadResult {
  bool complete = false;  // every line up to the last one was there
  int lines = 0;          // lines read
  bool overlong_line = false;  // reading stopped at a line too long for a value line: damaged
};

// Reads a file written by write_input_data into the record and the documentation. Any input gives
// defined values: lines past the end read as empty texts and zeros, texts are cut to their fields,
// counts are held to the tables (surplus change entries and drawing texts are read and dropped).
InputReadResult read_input_data(std::istream& in, ConnectionRecord& rec, Documentation& doc);

}  // namespace vx11
