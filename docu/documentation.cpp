#include "docu/documentation.h"

#include <algorithm>

namespace vx11 {

std::array<LinkedDocument, limits::kDocuments> Documentation::default_documents() {
  std::array<LinkedDocument, limits::kDocuments> docs;
  for (auto& d : docs) d.program = kDefaultDocumentProgram;
  return docs;
}

void reset_documentation(Documentation& doc, std::string_view today) {
  doc.changes.fill(ChangeEntry{});
  doc.change_count = 0;
  doc.drawing_texts.fill(DrawingText{});
  doc.drawing_text_count = 0;
  const std::string date = cut_text(today, limits::kTitleDate);
  doc.title = TitleBlock{};
  doc.title.drawn.date = date;
  doc.title.checked.date = date;
  doc.title.standards.date = date;
}

void new_documentation(Documentation& doc, std::string_view today) {
  doc.change_count = 0;
  doc.title = TitleBlock{};
  doc.title.drawn.date = cut_text(today, limits::kTitleDate);
  doc.info_text.fill(std::string());
}

int clamp_change_count(long long n) {
  return static_cast<int>(std::clamp<long long>(n, 0, limits::kChangeEntries));
}

int clamp_drawing_text_count(long long m) {
  return static_cast<int>(std::clamp<long long>(m, 0, limits::kDrawingTexts));
}

}  // namespace vx11
