// The change log as a printout through the report stream: on the screen or on the output chosen
// for reports.
#pragma once

#include <string>

#include "docu/change_log.h"
#include "base/configuration_record.h"
#include "base/identity.h"
#include "report/report_stream.h"

namespace vx11 {

// Writes the change log to an opened stream: header block, creation line, replacement texts,
// the column head and one block per entry.
void write_change_log(ReportStream& stream, const Documentation& doc, const ProgramIdentity& id,
                      int change_index_style);

class ReportChangeLogPrinter : public ChangeLogPrinter {
 public:
  // `current_file` is the session's input file name, read when printing.
  ReportChangeLogPrinter(ReportStream& stream, const ProgramIdentity& id, const Configuration& config,
                         const std::string& current_file)
      : stream_(stream), id_(id), config_(config), current_file_(current_file) {}
  // Show: the screen window; print: the configured output (asked when so set). The output is
  // named after the input file with ".TXT".
  void print(const Documentation& doc, bool to_screen) override;

 private:
  ReportStream& stream_;
  const ProgramIdentity& id_;
  const Configuration& config_;
  const std::string& current_file_;
};

}  // namespace vx11
