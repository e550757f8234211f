#include <QApplication>

#include "docu/change_log.h"
#include "docu/change_log_print.h"
#include "docu/linked_document.h"
#include "project/frontend_switch.h"
#include "project/program_state.h"
#include "project/report_source.h"
#include "base/text.h"
#include "ui/command_groups.h"
#include "ui/docu_dialogs.h"
#include "ui/file_command_parts.h"
#include "ui/main_window.h"

namespace vx11 {

namespace {

// What the documentation commands share: the dialogs over the window and the change-log printout.
struct DocuCommand {
  DocuCommand(Thh& w, ProgramState& st)
      : st(st),
        dialogs(st.format, st.identity.title, st.ui, w.help, st.config.input_window_scale, &w),
        ctx{st.rec, st.doc, st.format, dialogs, st.ui, st.help_number},
        printer(st.report, st.identity, st.config, st.session.current_file) {
    st.rec.cancelled = false;
    update_report_source(st);
  }
  ~DocuCommand() { st.rec.cancelled = false; }
  DocuCommand(const DocuCommand&) = delete;
  DocuCommand& operator=(const DocuCommand&) = delete;

  void run(ChangeLogOperation op) {
    change_log(ctx, op, ChangeLogSettings{st.config.title_row4_label, dateText(st.format)}, printer);
  }

  ProgramState& st;
  QtDocumentationDialogs dialogs;
  DocuContext ctx;
  ReportChangeLogPrinter printer;
};

// The change log and the title block travel in the input file: what changes them must not be lost
// without the question on closing.
void change_log_command(Thh& w, ProgramState& st, ChangeLogOperation op) {
  DocuCommand c(w, st);
  const int count = st.doc.change_count;
  c.run(op);
  const bool edited = op == ChangeLogOperation::Edit && count > 0 && !st.rec.cancelled;
  if (edited || st.doc.change_count != count) st.session.unsaved_changes = true;
}

void drawing_info(Thh& w, ProgramState& st) {
  DocuCommand c(w, st);
  if (edit_title_block(c.ctx, st.config.title_row4_label)) st.session.unsaved_changes = true;
}

void document_setup(Thh& w, ProgramState& st) {
  DocuCommand c(w, st);
  if (edit_linked_documents(c.ctx)) st.session.unsaved_changes = true;
}

void start_document(ProgramState& st, int k) {
  const bool batch = st.frontend_switch != nullptr && st.frontend_switch->batch();
  DocumentStart start{st.outlets.starter, st.ui, st.identity.title, st.allowed_documents, batch};
  // The question, when there is one, comes before the wait cursor.
  open_document(st.doc, k, start);
}

}  // namespace

void install_docu_commands(Thh& window, ProgramState& state) {
  Thh& w = window;
  ProgramState& st = state;
  using Op = ChangeLogOperation;
  w.set_handler(Command::DocDrawingInfo, [&w, &st] { drawing_info(w, st); });
  const std::pair<Command, Op> log[] = {{Command::DocShowChanges, Op::Show}, {Command::DocPrintChanges, Op::Print},
                                        {Command::DocNewChange, Op::New},     {Command::DocModifyChange, Op::Edit},
                                        {Command::DocDeleteChange, Op::Delete}};
  for (const auto& [command, op] : log) w.set_handler(command, [&w, &st, op = op] { change_log_command(w, st, op); });
  const Command documents[] = {Command::Document1, Command::Document2, Command::Document3, Command::Document4,
                               Command::Document5};
  for (int k = 1; k <= 5; ++k) w.set_handler(documents[k - 1], [&st, k] { start_document(st, k); });
  w.set_handler(Command::DocumentSetup, [&w, &st] { document_setup(w, st); });
}

}  // namespace vx11
