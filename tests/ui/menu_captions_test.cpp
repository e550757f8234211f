#include "ui/menu_captions.h"

#include <gtest/gtest.h>

namespace vx11 {
namespace {

TEST(MenuCaptions, InitialCaptionsAreGermanWithTheirQuirks) {
  const MenuCaptions c;
  EXPECT_EQ(c.menu_word, "Menu");
  EXPECT_EQ(c.file_new, "&Neu...        ");
  EXPECT_EQ(c.language_menu(), "Menu &Sprache");
  EXPECT_EQ(c.open_table(), "Ö&ffnen...      (&Tabelle)");
  EXPECT_EQ(c.shaft_series(), "d &Welle");
  EXPECT_EQ(c.document(3), "Dokument &3");
  EXPECT_EQ(c.error_messages_counted(3), "&Fehlermeldungen (3)");
}

TEST(MenuCaptions, LanguageSwitches) {
  MenuCaptions c;
  fill_captions(c, kLanguageEnglish);
  EXPECT_EQ(c.woodruff_key, "&Woodruff Key");
  EXPECT_EQ(c.file_exit, "E&xit");
  fill_captions(c, kLanguageGerman);
  EXPECT_EQ(c.woodruff_key, "&Scheibenfeder");
  EXPECT_EQ(c.menu_word, "Menü");
  EXPECT_EQ(c.file_new, "&Neu...");
  fill_captions(c, kLanguageRomanian);
  EXPECT_EQ(c.woodruff_key, "&Woodruff Key");
  EXPECT_EQ(c.shaft, "Arbore");
  fill_captions(c, kLanguageKorean);
  EXPECT_EQ(c.woodruff_key, "&Woodruff Key");
  EXPECT_EQ(c.file, "파일(&F)");
  // One "(&X)" mark behind the whole composite: two of them garble the item.
  EXPECT_EQ(c.open_table(), "열기 (테이블)(&b)");
  for (const int unknown : {0, 3, 9, 42}) {
    MenuCaptions u = c;
    fill_captions(u, unknown);
    EXPECT_EQ(u.file, c.file) << unknown;
  }
}

}  // namespace
}  // namespace vx11
