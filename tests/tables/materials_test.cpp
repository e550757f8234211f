#include "calc/materials.h"

#include "base/format.h"

#include <gtest/gtest.h>

#include "table_fixture.h"

namespace vx11 {
namespace {

constexpr int kCaseHardened = 16;  // record of 1.7131 16MnCr5, material type 3

class MaterialsTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    ship("wst1base");
    ship("vx3wstyp");
    set_default_materials(rec);
  }
};

TEST_F(MaterialsTest, TypeThreeGivesEachPartItsOwnFactors) {
  struct Case {
    int part;
    Real fs;
    Real fh;
  };
  // Type 3 row: key 1.0 / 1.0, shaft 1.2 / 1.15, hub 1.5 / 1.15.
  const Case cases[] = {{1, 1.2L, 1.15L}, {2, 1.5L, 1.15L}, {3, 1.0L, 1.0L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    const auto slot = static_cast<std::size_t>(c.part - 1);
    rec.support_factor_fs[slot] = rec.hardness_factor_fh[slot] = 9;
    browser.confirm(kCaseHardened);
    choose_material(ctx, 1, c.part);
    EXPECT_FALSE(rec.cancelled);
    const Material& m = rec.material[slot];
    EXPECT_EQ(m.number, "1.7131");
    EXPECT_EQ(m.name, "16MnCr5");
    EXPECT_EQ(m.type_number, 3);
    EXPECT_EQ(rec.material_row_number[slot], kCaseHardened);
    EXPECT_EQ(rec.support_factor_fs[slot], c.fs);
    EXPECT_EQ(rec.hardness_factor_fh[slot], c.fh);
    EXPECT_EQ(browser.shown.back().caption, std::string("Werkstoff ") + kPartNames[slot] + "   ");
    EXPECT_EQ(browser.shown.back().help_number, kHelpMaterialTable);
  }
  EXPECT_EQ(tables.type_row.type_number, 3);
  EXPECT_EQ(tables.type_row.group_name, "Einsatzstahl geh\x84rt.");  // code page 850
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(tables.is_open());
}

TEST_F(MaterialsTest, AllFieldsOfTheRowAreTaken) {
  browser.confirm(1);
  choose_material(ctx, 1, 1);
  const Material& m = rec.material[kShaft];
  EXPECT_EQ(m.number2, "1.0577");
  EXPECT_EQ(m.tensile_rm, 470);
  EXPECT_EQ(m.yield_re, 355);
  EXPECT_EQ(m.table_int_7, 22);
  EXPECT_EQ(m.reals, (std::array<Real, 4>{210000, 0.3L, 7.85L, 11.5L}));
  EXPECT_EQ(m.texts[1], "Rm t 3..100; since 2004: S355J2");
}

TEST_F(MaterialsTest, BrowserPosition) {
  struct Case {
    const char* name;
    const char* number;
    std::int16_t row;
    int opened_on;
  };
  const Case cases[] = {
      {"number found", "0.6030", 3, 26},
      {"number with a comma is found", "0,6030", 3, 3},  // only "." is retried as ","
      {"unknown number, remembered row", "9.9999", 7, 7},
      {"unknown number, no row", "9.9999", 0, 24},  // first in number order: 0.6020
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    rec.material[kHub].number = c.number;
    rec.material_row_number[kHub] = c.row;
    rec.cancelled = false;
    browser.cancel();
    choose_material(ctx, 1, 2);
    EXPECT_EQ(browser.opened_on.back(), c.opened_on);
  }
}

TEST_F(MaterialsTest, CancelTakesNothing) {
  const Material before = rec.material[kKey];
  browser.cancel(kCaseHardened);
  choose_material(ctx, 1, 3);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(rec.material[kKey].number, before.number);
  EXPECT_EQ(rec.material_row_number[kKey], 5);
}

TEST_F(MaterialsTest, EditingModeTakesNothing) {
  browser.confirm(kCaseHardened);
  choose_material(ctx, 0, 1);
  EXPECT_FALSE(rec.cancelled);
  EXPECT_EQ(rec.material[kShaft].number, "1.0570");
}

TEST_F(MaterialsTest, UnknownTypeKeepsTheFactors) {
  ASSERT_TRUE(tables.open_table(ctx, "wst1base"));
  tables.go_to_record(ctx, kCaseHardened);
  ASSERT_TRUE(tables.set_field_text(ctx, 4, "42"));
  tables.close_table();
  browser.confirm(kCaseHardened);
  choose_material(ctx, 1, 2);
  EXPECT_EQ(rec.material[kHub].number, "1.7131");  // the material is taken over
  EXPECT_EQ(rec.support_factor_fs[kHub], 2.0L);
  EXPECT_EQ(rec.hardness_factor_fh[kHub], 1.0L);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], std::string(kCaptionError) + "|Werkstofftyp 42 nicht gefunden.");
  EXPECT_EQ(messages.entry(1), "Werkstofftyp 42 nicht gefunden.");
}

TEST_F(MaterialsTest, MissingTables) {
  std::filesystem::remove(folder + "/vx3wstyp.dbf");
  show_type_table(ctx, 0);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(messages.entry(1), "Fatal  : DIN 6885 Datenbank");

  rec.cancelled = false;
  browser.confirm(kCaseHardened);
  choose_material(ctx, 1, 1);  // the material comes, the factors cannot
  EXPECT_EQ(rec.material[kShaft].number, "1.7131");
  EXPECT_EQ(rec.support_factor_fs[kShaft], 1.2L);
  EXPECT_TRUE(rec.cancelled);

  rec.cancelled = false;
  std::filesystem::remove(folder + "/wst1base.dbf");
  const std::size_t shown = browser.shown.size();
  choose_material(ctx, 1, 1);
  show_material_table(ctx, 1);
  EXPECT_EQ(browser.shown.size(), shown);
  EXPECT_TRUE(rec.cancelled);
}

TEST_F(MaterialsTest, TableMenuEntries) {
  browser.confirm(kCaseHardened);
  show_material_table(ctx, 1);
  EXPECT_EQ(rec.material[kShaft].number, "1.7131");
  EXPECT_EQ(browser.shown.back().caption, "Werkstoffdatenbank   ");
  browser.confirm(10);
  show_type_table(ctx, 1);
  EXPECT_EQ(tables.type_row.type_number, 10);
  EXPECT_EQ(tables.type_row.factors, (std::array<Real, 6>{1.0L, 1.0L, 1.2L, 1.15L, 1.5L, 1.15L}));
  EXPECT_EQ(browser.shown.back().help_number, kHelpMaterialTypeTable);
  EXPECT_EQ(browser.shown.back().caption, "Werkstoffgruppen mit fH und fS   ");
}

TEST(PlimText, UnitsAndCompactNumbers) {
  FormatSettings s;
  EXPECT_EQ(plim_text(s, 355, 1.2L, 1.0L), "plim = Re * fs * fH = 426 N/mm\xFD");
  EXPECT_EQ(plim_text(s, 0, 1.2L, 1.0L), "plim = Re * fs * fH = 0 N/mm\xFD");
  s.ascii_mode = true;
  EXPECT_EQ(plim_text(s, 230, 2.0L, 1.0L), "plim = Re * fs * fH = 460 N/mm2");
  s.unit_system = 1;
  EXPECT_EQ(plim_text(s, 100, 1.0L, 1.0L), "plim = Re * fs * fH = " + fmtStressSig(s, 100) + " psi");
}

}  // namespace
}  // namespace vx11
