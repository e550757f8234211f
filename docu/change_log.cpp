#include "docu/change_log.h"

#include "base/format.h"

namespace vx11 {

std::string change_index(int i, int style) {
  if (style == 1) return fmtInt(i);
  return std::string(1, static_cast<char>('a' + (i - 1)));
}

void change_log(DocuContext& ctx, ChangeLogOperation op, const ChangeLogSettings& settings,
                ChangeLogPrinter& printer) {
  Documentation& doc = ctx.doc;
  doc.change_count = clamp_change_count(doc.change_count);
  switch (op) {
    case ChangeLogOperation::New:
      if (doc.change_count >= limits::kChangeEntries) {
        ctx.ui.message(kCaptionInfo, "Max. \x8Enderungen = " + fmtInt(limits::kChangeEntries) + " !");
        return;
      }
      // The slot keeps its last texts; the entry stays counted when its dialog is cancelled.
      ++doc.change_count;
      doc.changes[doc.change_count - 1].date = cut_text(settings.today, limits::kChangeDate);
      edit_change_entry(ctx, doc.change_count);
      printer.print(doc, true);
      return;
    case ChangeLogOperation::Edit:
      if (doc.change_count == 0) return;
      edit_change_entry(ctx, doc.change_count);
      printer.print(doc, true);
      return;
    case ChangeLogOperation::Delete:
      if (doc.change_count == 0) return;
      --doc.change_count;
      printer.print(doc, true);
      return;
    case ChangeLogOperation::Show:
      printer.print(doc, true);
      return;
    case ChangeLogOperation::Print:
      printer.print(doc, false);
      return;
    case ChangeLogOperation::TitleBlock:
      edit_title_block(ctx, settings.fourth_label);
      return;
  }
}

}  // namespace vx11
