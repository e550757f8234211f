// Caption tables of the main window in German, English, Romanian and Korean.
#include "ui/menu_captions.h"

#include <array>

namespace vx11 {

namespace {

struct CaptionRow {
  std::string MenuCaptions::*field;
  std::array<const char*, 4> text;  // German, English, Romanian, Korean
};

const CaptionRow kGeneral[] = {
    {&MenuCaptions::file, {"&Datei", "&File", "&Fisier", "파일(&F)"}},
    {&MenuCaptions::file_new, {"&Neu...", "&New...", "&Fisier nou...", "새로만들기(&N)"}},
    {&MenuCaptions::file_open, {"Ö&ffnen...", "&Open...", "&Deschide...", "열기(&O)"}},
    {&MenuCaptions::file_save, {"&Speichern...", "&Save...", "&Salveaza", "저장(&S)..."}},
    {&MenuCaptions::file_save_as, {"Speichern &Unter...", "Save &As...", "Salveaza &ca...", "다른이름으로 저장(&A)"}},
    {&MenuCaptions::file_print, {"&Drucken...", "&Print...", "&Imprimare...", "프린트(&P)"}},
    {&MenuCaptions::file_printer_setup, {"Druckereinstellung", "Printer Setup", "Setari Imprimanta", "프린터설정"}},
    {&MenuCaptions::file_config, {"E&instellungen", "Se&ttings", "Se&tari", "환경설정(&t)"}},
    {&MenuCaptions::file_exit, {"&Beenden", "E&xit", "Ie&sire", "끝내기(&x)"}},
    {&MenuCaptions::edit, {"&Bearbeiten", "&Edit", "&Editare", "편집(&E)"}},
    {&MenuCaptions::edit_text, {"Te&xt", "Te&xt", "Te&xt", "텍스트(&x)"}},
    {&MenuCaptions::view, {"&Ansicht", "&View", "&Examinare", "보기(&V)"}},
    {&MenuCaptions::view_standard, {"&Standard", "&Standard", "&Standard", "표준보기(&S)"}},
    {&MenuCaptions::view_excerpt, {"&Auszug", "&Excerpt Printout", "&Extras", "발췌보기(&E)"}},
    {&MenuCaptions::quick, {"&Quick", "&Quick", "&Vizualizare Rapida", "Quick(&Q)"}},
    {&MenuCaptions::drawing, {"&Zeichnung", "&Drawing", "&Desen", "도면설정(&D)"}},
    {&MenuCaptions::zoom_in, {"Ver&größern", "Zoom &In", "&Mareste", "확대(&I)"}},
    {&MenuCaptions::zoom_out, {"Ver&kleinern", "Zoom &Out", "Mi&csoreaza", "축소(&U)"}},
    {&MenuCaptions::fit_all, {"&Ganze Zeichnung", "&Fit All", "&Tot desenul", "전체보기(&F)"}},
    {&MenuCaptions::error_messages, {"&Fehlermeldungen", "&Error messages", "&mesaje de eroare", "에러메시지(&E)"}},
    {&MenuCaptions::cad, {"&CAD", "&CAD", "&CAD", "&CAD"}},
    {&MenuCaptions::database, {"Datenban&k", "&Database", "&Baza de date", "데이터베이스(&D)"}},
    {&MenuCaptions::documentation, {"D&okument", "D&ocument", "D&ocument", "문서(&o)"}},
    {&MenuCaptions::drawing_info, {"&Zeichnungsdaten", "&Drawing data", "&Informatii despre desen", "도면데이터(&D)"}},
    {&MenuCaptions::show_changes, {"Änderungen - &Info", "Modifications - &Info", "Modificari - &Informatii", "수정-정보(&I)"}},
    {&MenuCaptions::print_changes, {"Änderungen - &Ausdruck", "Modifications - &Printout", "Modificari - &La imprimanta", "수정-프린트출력(&P)"}},
    {&MenuCaptions::new_change, {"&Neue Änderung", "Modification - &New", "Modificari - &Nou", "수정-새로 만들기(&N)"}},
    {&MenuCaptions::modify_change, {"Letzte Änderung &bearbeiten", "&Edit previous modification", "&Editeaza modif. prec.", "이전의 수정편집(&E)"}},
    {&MenuCaptions::delete_change, {"Letzte Änderung &löschen", "&Delete previous modification", "&Sterge modif. prec.", "이전의 수정삭제(&D)"}},
    {&MenuCaptions::document_setup, {"Dokument &Setup", "Document &Setup", "Document &Setari", "문서설정(&S)"}},
    {&MenuCaptions::help, {"&Hilfe", "&Help", "&Ajutor", "도움말(&H)"}},
    {&MenuCaptions::help_pictures, {"&Hilfebild", "&Auxiliary images", "&Imagini auxiliare", "도움이미지(&A)"}},
    {&MenuCaptions::homepage, {"&KORVANT Homepage", "&KORVANT Homepage", "&Pagina de prezentare KORVANT", "KORVANT 홈페이지(&H)"}},
    {&MenuCaptions::email, {"&E-Mail an KORVANT", "&E-Mail to KORVANT", "&E-Mail catre KORVANT", "KORVANT 이메일(&E)"}},
    {&MenuCaptions::menu_word, {"Menü", "Menu", "Meniu", "메뉴"}},
    {&MenuCaptions::language_word, {"&Sprache", "&Language", "&Limba", "언어(&L)"}},
    {&MenuCaptions::table_word, {"&Tabelle", "&Table", "&Tabele", "테이블(&b)"}},
    {&MenuCaptions::document_word, {"Dokument", "Document", "Document", "문서"}},
};

const CaptionRow kMachineElement[] = {
    {&MenuCaptions::edit_dimensions, {"&Abmessungen", "&Dimensions", "&Dimensiuni", "치수(&D)"}},
    {&MenuCaptions::material, {"&Werkstoff", "&Material", "&Material", "소재선정(&M)"}},
    {&MenuCaptions::edit_load, {"&Last", "&Load", "&Incarca", "하중(&L)"}},
    {&MenuCaptions::edit_predesign, {"&Vorauslegung", "&Pre-Dimensioning", "&Pre-Dimensionare", "예비치수정의(&P)"}},
    {&MenuCaptions::edit_design, {"Auslegungs&hilfe", "Design &Assistant", "&Asistent de proiectare", "설계도우미(&A)"}},
    {&MenuCaptions::woodruff_key, {"&Scheibenfeder", "&Woodruff Key", "&Woodruff Key", "&Woodruff Key"}},
    {&MenuCaptions::shaft, {"&Welle", "Sh&aft", "Arbore", "축(&a)"}},
    {&MenuCaptions::hub, {"&Nabe", "&Hub", "&Bucsa", "허브(&H)"}},
    {&MenuCaptions::material_type, {"Werkstoff&typ", "Material &type", "Tipuri de materiale", "소재타입(&t)"}},
};

// Column of a language code in the tables, or -1 for a code they do not hold.
int column(int code) {
  switch (code) {
    case kLanguageGerman: return 0;
    case kLanguageEnglish: return 1;
    case kLanguageRomanian: return 2;
    case kLanguageKorean: return 3;
    default: return -1;
  }
}

template <std::size_t N>
void fill(MenuCaptions& c, const CaptionRow (&rows)[N], int code) {
  const int col = column(code);
  if (col < 0) return;
  for (const auto& row : rows) c.*row.field = row.text[col];
}

// "열기(&O)" -> "열기" and "(&O)"; nothing split for other captions.
bool split_trailing_mnemonic(const std::string& caption, std::string& word, std::string& mark) {
  if (caption.size() < 4 || caption.back() != ')') return false;
  const std::size_t open = caption.size() - 4;
  if (caption.compare(open, 2, "(&") != 0) return false;
  word = caption.substr(0, open);
  mark = caption.substr(open);
  return true;
}

}  // namespace

std::string MenuCaptions::open_table() const {
  std::string open_word, open_mark, table, table_mark;
  if (split_trailing_mnemonic(file_open, open_word, open_mark) && split_trailing_mnemonic(table_word, table, table_mark))
    return open_word + " (" + table + ")" + table_mark;
  return file_open + " (" + table_word + ")";
}

void fill_general_captions(MenuCaptions& c, int code) { fill(c, kGeneral, code); }
void fill_machine_element_captions(MenuCaptions& c, int code) { fill(c, kMachineElement, code); }

void fill_captions(MenuCaptions& c, int code) {
  fill_general_captions(c, code);
  fill_machine_element_captions(c, code);
}

}  // namespace vx11
