// The documentation that travels with a connection: drawing names, title block, drawing texts,
// change log and linked documents. All texts in code page 850, except the document paths.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/connection_record.h"

namespace vx11 {

namespace limits {
inline constexpr std::size_t kPartName2 = 30;
inline constexpr std::size_t kInfoText = 65;
inline constexpr std::size_t kTitleDate = 10;
inline constexpr std::size_t kTitleName = 10;
inline constexpr std::size_t kReplacement = 15;  // "Ersatz für", "Ersetzt durch"
inline constexpr std::size_t kDrawingText = 80;
inline constexpr std::size_t kChangeText = 20;
inline constexpr std::size_t kChangeDate = 10;
inline constexpr std::size_t kChangeEditor = 5;
inline constexpr std::size_t kDocumentPath = 50;
inline constexpr int kChangeEntries = 25;
inline constexpr int kDrawingTexts = 8;
inline constexpr int kDocuments = 5;
}  // namespace limits

// One row of the title block: a date and a name.
struct TitleRow {
  std::string date;
  std::string name;
};

struct TitleBlock {
  TitleRow drawn;      // "Bearb."
  TitleRow checked;    // "Gepr."
  TitleRow standards;  // "Norm"
  TitleRow fourth;     // labelled by the configuration ("Freigabefeld")
  std::string replaces;     // "Ersatz für"
  std::string replaced_by;  // "Ersetzt durch"
};

// A positioned free text; stored and edited only, no drawing shows it.
struct DrawingText {
  Real x = 0;
  Real y = 0;
  Real height = 0;
  Real angle = 0;
  std::string text;
};

struct ChangeEntry {
  std::string change_text;  // 20
  std::string date;         // 10
  std::string editor;       // 5
  std::string description;  // any length; line breaks are CR LF
};

struct LinkedDocument {
  std::string program;  // 50; empty or a Windows program path opens the file with xdg-open
  std::string file;     // 50
};

inline constexpr const char* kDefaultDocumentProgram = "xdg-open";

// The documentation fields beside the connection record. The four drawing names and numbers of
// the report headers live in the record itself.
struct Documentation {
  std::string inner_part_name2;  // 30
  std::string outer_part_name2;  // 30
  std::array<std::string, 3> info_text;  // 65 each; the third is not edited, only saved

  TitleBlock title;

  std::array<DrawingText, limits::kDrawingTexts> drawing_texts;
  int drawing_text_count = 0;  // m, 0..8

  // Slots past change_count keep their texts: a later New reuses them.
  std::array<ChangeEntry, limits::kChangeEntries> changes;
  int change_count = 0;  // n, 0..25

  std::array<LinkedDocument, limits::kDocuments> documents = default_documents();

  static std::array<LinkedDocument, limits::kDocuments> default_documents();
};

// Program start: empty change entries and drawing texts, counts 0, the drawn, checked and
// standards-check dates today, every other title-block field cleared.
void reset_documentation(Documentation& doc, std::string_view today);

// The command New: no change entries, no replacement texts, drawn today, the other title rows and the
// three text lines cleared; the drawing texts stay.
void new_documentation(Documentation& doc, std::string_view today);

// The counts a file or a dialog may hand over, held to the table sizes.
int clamp_change_count(long long n);
int clamp_drawing_text_count(long long m);

}  // namespace vx11
