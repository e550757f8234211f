// What the result report and the excerpt print: page header texts and their lines, from the record.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/connection_record.h"
#include "base/identity.h"
#include "base/format_settings.h"
#include "report/print_lines.h"

namespace vx11 {

// The page header items a printout sets before it opens the stream.
struct PageHeaderTexts {
  std::string title;
  std::array<std::string, 4> lines;
  int total_pages = 0;  // 0 = pages numbered without a total
};

// Column heads of the report and the excerpt: symbol, unit, shaft value, hub value.
inline constexpr std::array<const char*, 4> kReportColumnHeads = {"Zeichen", "Einheit", "  Welle", "Nabe"};

// A part name from column 1 and "Nr.: " with its number from column 40, in a 72-character line.
std::string partHeaderLine(std::string_view name, std::string_view number);

// Header of the result report ("... nach DIN 6892 Meth.B") and of the excerpt ("... Methode B").
PageHeaderTexts resultReportHeader(const ConnectionRecord& rec, const std::array<std::string, 3>& info_text,
                                   const ProgramIdentity& id);
PageHeaderTexts excerptHeader(const ConnectionRecord& rec, const std::array<std::string, 3>& info_text,
                              const ProgramIdentity& id);

// The six blocks of the result report; a page header with column heads and an empty line
// precede every block that follows a page end.
std::vector<PrintBlock> resultReportBlocks(const ConnectionRecord& rec, const FormatSettings& s);

// The lines of the excerpt, one page.
std::vector<PrintLine> excerptLines(const ConnectionRecord& rec, const FormatSettings& s);

}  // namespace vx11
