#include "docu/documentation_edit.h"

#include "base/format.h"
#include "base/text.h"

namespace vx11 {

namespace {

// OK clears the abort flag, Cancel sets it.
bool finish(ConnectionRecord& rec, bool ok) {
  rec.cancelled = !ok;
  return ok;
}

TitleRow cut_row(const TitleRow& row) {
  return {cut_text(row.date, limits::kTitleDate), cut_text(row.name, limits::kTitleName)};
}

}  // namespace

bool edit_drawing_names(DocuContext& ctx) {
  ConnectionRecord& rec = ctx.rec;
  Documentation& doc = ctx.doc;
  DrawingNamesForm form{rec.inner_part_name, rec.inner_part_number, doc.inner_part_name2,
                        rec.outer_part_name, rec.outer_part_number, doc.outer_part_name2,
                        {doc.info_text[0], doc.info_text[1]}};
  if (!finish(rec, ctx.dialogs.drawing_names(form))) return false;
  rec.inner_part_name = cut_text(form.inner_part_name, limits::kPartName);
  rec.inner_part_number = cut_text(form.inner_part_number, limits::kPartNumber);
  doc.inner_part_name2 = cut_text(form.inner_part_name2, limits::kPartName2);
  rec.outer_part_name = cut_text(form.outer_part_name, limits::kPartName);
  rec.outer_part_number = cut_text(form.outer_part_number, limits::kPartNumber);
  doc.outer_part_name2 = cut_text(form.outer_part_name2, limits::kPartName2);
  for (int i = 0; i < 2; ++i) doc.info_text[i] = cut_text(form.info_text[i], limits::kInfoText);
  return true;
}

std::array<std::array<std::string, 5>, limits::kDrawingTexts> drawing_text_cells(const Documentation& doc,
                                                                                const FormatSettings& s) {
  std::array<std::array<std::string, 5>, limits::kDrawingTexts> grid;
  for (int i = 0; i < clamp_drawing_text_count(doc.drawing_text_count); ++i) {
    const DrawingText& t = doc.drawing_texts[i];
    grid[i] = {fmtSig(s, t.x), fmtSig(s, t.y), fmtSig(s, t.height), fmtSig(s, t.angle), t.text};
  }
  return grid;
}

void store_drawing_texts(Documentation& doc,
                         const std::array<std::array<std::string, 5>, limits::kDrawingTexts>& grid) {
  int row = 0;
  do {
    const auto& cells = grid[row];
    doc.drawing_texts[row] = {parseReal(cells[0]), parseReal(cells[1]), parseReal(cells[2]),
                              parseReal(cells[3]), cut_text(cells[4], limits::kDrawingText)};
    ++row;
  } while (row < limits::kDrawingTexts && !trimBlanks(grid[row][4]).empty());
  doc.drawing_text_count = row;
}

bool edit_title_block(DocuContext& ctx, const std::string& fourth_label) {
  Documentation& doc = ctx.doc;
  TitleBlock& t = doc.title;
  TitleBlockForm form{fourth_label, {t.drawn, t.checked, t.standards, t.fourth}, t.replaces, t.replaced_by,
                      drawing_text_cells(doc, ctx.format)};
  ctx.help_number = help::kTitleBlock;
  if (!finish(ctx.rec, ctx.dialogs.title_block(form))) return false;
  t.drawn = cut_row(form.rows[0]);
  t.checked = cut_row(form.rows[1]);
  t.standards = cut_row(form.rows[2]);
  t.fourth = cut_row(form.rows[3]);
  t.replaces = cut_text(form.replaces, limits::kReplacement);
  t.replaced_by = cut_text(form.replaced_by, limits::kReplacement);
  store_drawing_texts(doc, form.grid);
  return true;
}

bool edit_linked_documents(DocuContext& ctx) {
  auto docs = ctx.doc.documents;
  ctx.help_number = help::kLinkedDocuments;
  if (!finish(ctx.rec, ctx.dialogs.linked_documents(docs))) return false;
  for (int k = 0; k < limits::kDocuments; ++k)
    ctx.doc.documents[k] = {cut_text(docs[k].program, limits::kDocumentPath),
                            cut_text(docs[k].file, limits::kDocumentPath)};
  return true;
}

bool edit_change_entry(DocuContext& ctx, int number) {
  if (number < 1 || number > limits::kChangeEntries) return false;
  ChangeEntry entry = ctx.doc.changes[number - 1];
  ctx.help_number = help::kChangeEntry;
  if (!finish(ctx.rec, ctx.dialogs.change_entry(number, entry))) return false;
  ctx.doc.changes[number - 1] = {cut_text(entry.change_text, limits::kChangeText),
                                 cut_text(entry.date, limits::kChangeDate),
                                 cut_text(entry.editor, limits::kChangeEditor), entry.description};
  return true;
}

}  // namespace vx11
