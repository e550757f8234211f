// The menu caption variables of the main window and the language tables that fill them (UTF-8).
#pragma once

#include <string>

namespace vx11 {

// One variable per caption; composite captions are built from them by the window.
struct MenuCaptions {
  std::string file = "&Datei";
  std::string file_new = "&Neu...        ";
  std::string file_open = "Ö&ffnen...     ";
  std::string file_save = "&Speichern...  ";
  std::string file_save_as = "Speichern &Unter...  ";
  std::string file_print = "&Drucken...";
  std::string file_printer_setup = "Druckereinstellung";
  std::string file_config = "E&instellungen ";
  std::string file_exit = "&Beenden       ";
  std::string edit = "&Bearbeiten";
  std::string edit_text = "Te&xt";
  std::string edit_dimensions = "&Abmessungen";
  std::string material = "&Werkstoff";
  std::string edit_load = "&Last";
  std::string edit_predesign = "&Vorauslegung";
  std::string edit_design = "Auslegungs&hilfe";
  std::string view = "&Ansicht";
  std::string view_standard = "&Standard";
  std::string view_excerpt = "&Auszug";
  std::string quick = "&Quick";
  std::string drawing = "&Zeichnung";
  std::string woodruff_key = "&Scheibenfeder";
  std::string shaft = "&Welle";
  std::string hub = "&Nabe";
  std::string error_messages = "&Fehlermeldungen";
  std::string zoom_in = "Ver&größern";
  std::string zoom_out = "Ver&kleinern";
  std::string fit_all = "&Ganze Zeichnung";
  std::string cad = "&CAD";
  std::string database = "Datenban&k";
  std::string material_type = "Werkstoff&typ";
  std::string documentation = "D&okument";
  std::string drawing_info = "&Zeichnungsdaten";
  std::string show_changes = "Änderungen - &Info";
  std::string print_changes = "Änderungen - &Ausdruck";
  std::string new_change = "&Neue Änderung";
  std::string modify_change = "Letzte Änderung &bearbeiten";
  std::string delete_change = "Letzte Änderung &löschen";
  std::string document_setup = "Dokument &Setup";
  std::string help = "&Hilfe";
  std::string help_pictures = "&Hilfebild";
  std::string homepage = "&KORVANT Homepage";
  std::string email = "&E-Mail an KORVANT";
  std::string menu_word = "Menu";
  std::string language_word = "&Sprache";
  std::string table_word = "&Tabelle";

  // Composite captions.
  // Captions in the "word(&X)" style (Korean) carry one mnemonic behind the whole text: two such
  // marks in one caption garble it.
  std::string open_table() const;
  std::string shaft_series() const { return "d " + shaft; }
  std::string document(int n) const { return document_word + " &" + std::to_string(n); }
  std::string language_menu() const { return menu_word + " " + language_word; }
  std::string error_messages_counted(int count) const {
    return error_messages + " (" + std::to_string(count) + ")";
  }

  std::string document_word = "Dokument";
};

// The menu offers these language codes.
inline constexpr int kLanguageGerman = 1;
inline constexpr int kLanguageEnglish = 2;
inline constexpr int kLanguageRomanian = 7;
inline constexpr int kLanguageKorean = 8;

// Fills the general and the machine-element captions for a language code; an unknown code
// (0 included) leaves every caption as it is.
void fill_general_captions(MenuCaptions& c, int code);
void fill_machine_element_captions(MenuCaptions& c, int code);
void fill_captions(MenuCaptions& c, int code);

}  // namespace vx11
