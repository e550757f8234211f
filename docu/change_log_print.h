// The change log as a printout through the report stream: on the screen or on the output chosen
// for reports.
#pragma once

#include "docu/change_log.h"
#include "project/configuration.h"
#include "base/identity.h"
#include "project/session.h"
#include "report/report_stream.h"

namespace vx11 {

// Writes the change log to an opened stream: header block, creation line, replacement texts,
// the column head and one block per entry.
void write_change_log(ReportStream& stream, const Documentation& doc, const ProgramIdentity& id,
                      int change_index_style);

class ReportChangeLogPrinter : public ChangeLogPrinter {
 public:
  ReportChangeLogPrinter(ReportStream& stream, const ProgramIdentity& id, const Configuration& config,
                         const Session& session)
      : stream_(stream), id_(id), config_(config), session_(session) {}
  // Show: the screen window; print: the configured output (asked when so set). The output is
  // named after the input file with ".TXT".
  void print(const Documentation& doc, bool to_screen) override;

 private:
  ReportStream& stream_;
  const ProgramIdentity& id_;
  const Configuration& config_;
  const Session& session_;
};

}  // namespace vx11
