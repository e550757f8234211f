// The documentation dialogs' operations: fill the form, open the dialog, store OK's answers with the
// records' lengths, and keep the abort flag (OK clears it, Cancel sets it).
#pragma once

#include "calc/connection_record.h"
#include "docu/documentation.h"
#include "docu/documentation_dialogs.h"
#include "base/format_settings.h"
#include "base/interaction.h"

namespace vx11 {

struct DocuContext {
  ConnectionRecord& rec;  // drawing names of the report headers and the abort flag
  Documentation& doc;
  const FormatSettings& format;
  DocumentationDialogs& dialogs;
  Interaction& ui;
  int& help_number;
};

// Each returns true when the dialog ended with OK.
bool edit_drawing_names(DocuContext& ctx);
bool edit_title_block(DocuContext& ctx, const std::string& fourth_label);
bool edit_linked_documents(DocuContext& ctx);  // the caller marks the inputs as changed on OK
bool edit_change_entry(DocuContext& ctx, int number);

// The grid cells of the stored drawing texts (numbers by the significant-digit rule).
std::array<std::array<std::string, 5>, limits::kDrawingTexts> drawing_text_cells(const Documentation& doc,
                                                                                const FormatSettings& s);
// OK of the title-block dialog: rows from the first on, while the next row's text is not blank;
// so at least one drawing text is stored.
void store_drawing_texts(Documentation& doc, const std::array<std::array<std::string, 5>, limits::kDrawingTexts>& grid);

}  // namespace vx11
