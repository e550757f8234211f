// The dialogs that edit the documentation records. The window implements them; each one is filled
// from the records, returns true for OK (the form then holds the edited texts) and false for Cancel.
// Texts cross in code page 850, except the document paths, which stay as typed.
#pragma once

#include <array>
#include <string>

#include "docu/documentation.h"

namespace vx11 {

// Help text numbers of the documentation dialogs.
namespace help {
inline constexpr int kChangeEntry = 3000;
inline constexpr int kTitleBlock = 3010;
inline constexpr int kDocumentProgramHint = 2710;
inline constexpr int kDocumentFileHint = 2720;
inline constexpr int kLinkedDocuments = 2730;
}  // namespace help

// Drawing names and the two text lines ("Zeichnungsname", "Zeichnungsnummer", "Text 1", "Text 2").
struct DrawingNamesForm {
  std::string inner_part_name, inner_part_number, inner_part_name2;
  std::string outer_part_name, outer_part_number, outer_part_name2;
  std::array<std::string, 2> info_text;
};

// Title block grid ("Bearb.", "Gepr.", "Norm", fourth label) and the drawing-text grid: eight rows of
// x, y, h, phi and text, as the cells show them.
struct TitleBlockForm {
  std::string fourth_label;  // shown only
  std::array<TitleRow, 4> rows;
  std::string replaces, replaced_by;
  std::array<std::array<std::string, 5>, limits::kDrawingTexts> grid;
};

class DocumentationDialogs {
 public:
  virtual ~DocumentationDialogs() = default;
  // "Änderung <number>": change text, date, editor, description.
  virtual bool change_entry(int number, ChangeEntry& entry) = 0;
  virtual bool title_block(TitleBlockForm& form) = 0;
  virtual bool drawing_names(DrawingNamesForm& form) = 0;
  // "Document Setup": five program and file paths.
  virtual bool linked_documents(std::array<LinkedDocument, limits::kDocuments>& docs) = 0;
};

}  // namespace vx11
