#include <gtest/gtest.h>

#include <algorithm>

#include "base/format.h"
#include "table_fixture.h"
#include "base/text.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

const std::string kNotFound = " nicht gefunden oder kein Zugriffsrecht !";

TEST_F(TableTest, NameWithAndWithoutExtensionOpensTheSameFile) {
  ship("din6888");
  for (const char* name : {"din6888", "din6888.dbf"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(tables.open_table(ctx, name));
    EXPECT_EQ(tables.file_name(), folder + "/din6888.dbf");
    EXPECT_EQ(tables.record_count(), 24);
    EXPECT_EQ(tables.current_record(), 1);
    EXPECT_FALSE(tables.working_on_copy());
    tables.close_table();
  }
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(fs::exists(folder + "/TEST.$$$"));  // the write test cleans up
}

TEST_F(TableTest, MissingTableIsReportedAndCancels) {
  EXPECT_FALSE(tables.open_table(ctx, "din6888"));
  EXPECT_TRUE(rec.cancelled);
  EXPECT_FALSE(tables.is_open());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], std::string(kCaptionError) + "|Datei " + folder + "/din6888.dbf" + kNotFound);
}

TEST_F(TableTest, EarlierCancelStopsTheOpenWithoutMessage) {
  ship("din6888");
  rec.cancelled = true;
  EXPECT_FALSE(tables.open_table(ctx, "din6888"));
  EXPECT_FALSE(tables.is_open());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(TableTest, GoToRecord) {
  ship("din6888");
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  struct Case {
    const char* name;
    int n;
    int expected;
    const char* message;
  };
  const Case cases[] = {
      {"zero", 0, 1, ""},          {"negative", -4, 1, ""},   {"middle", 7, 7, ""},
      {"last", 24, 24, ""},        {"one beyond", 25, 24, "DBF #25 not found."},
      {"far beyond", 1000, 24, "DBF #1000 not found."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bool fatal = false;
    messages.clear(fatal);
    tables.go_to_record(ctx, c.n);
    EXPECT_EQ(tables.current_record(), c.expected);
    EXPECT_EQ(messages.entry(1), c.message);
  }
}

TEST_F(TableTest, FieldsByNumber) {
  ship("din6888");
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  EXPECT_EQ(tables.field_count(), 12);
  EXPECT_EQ(tables.field_name(3), "B");
  EXPECT_EQ(tables.field_name(12), "TEXT2");
  EXPECT_EQ(tables.field_name(13), "");
  EXPECT_EQ(tables.field_name(0), "");
  tables.go_to_record(ctx, 2);
  EXPECT_EQ(tables.field_text(3), "1.5");  // numbers without their padding
  EXPECT_EQ(tables.field_text(7), "2.00");
  EXPECT_EQ(tables.field_text(12), "DIN 6888 1.5 x 2.6");
  EXPECT_EQ(tables.field_text(13), "");
}

class OrderTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    // Physical order deliberately differs from every order under test.
    make_table(folder + "/keys.dbf",
               {{"B", 'N', 5, 1, 0}, {"H", 'N', 5, 1, 0}, {"NAME", 'C', 8, 0, 0}},
               {{"3", "5", "1,5"}, {"2", "7", "b"}, {"10", "1", "a"}, {"2", "3", "b"}, {"16", "0", "z"}});
    ASSERT_TRUE(tables.open_table(ctx, "keys"));
  }
};

TEST_F(OrderTest, WidthTimesHundredPlusHeight) {
  ASSERT_TRUE(tables.create_index(ctx, tables.field_name(1) + "*100+" + tables.field_name(2), "keys"));
  // 203, 207, 305, 1001, 1600: numeric, not the text order of "10" before "2".
  EXPECT_EQ(tables.records_in_order(true), (std::vector<int>{4, 2, 1, 3, 5}));
  EXPECT_EQ(tables.current_record(), 1);  // building the order does not move
}

TEST_F(OrderTest, CharacterKeysKeepPhysicalOrderOnTies) {
  ASSERT_TRUE(tables.create_index(ctx, "name", "keys"));
  EXPECT_EQ(tables.records_in_order(true), (std::vector<int>{1, 3, 2, 4, 5}));
}

TEST_F(OrderTest, NearestSearch) {
  ASSERT_TRUE(tables.create_index(ctx, "B", "keys"));  // 2, 2, 3, 10, 16
  struct Case {
    const char* key;
    int record;
    bool found;
  };
  const Case cases[] = {{"   1.0", 2, true}, {"2", 2, true},    {"2.5", 1, true},
                        {"9,9", 3, true},    {"16.0", 5, true}, {"17", 5, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(tables.find_nearest(c.key), c.found);
    EXPECT_EQ(tables.found(), c.found);
    EXPECT_EQ(tables.current_record(), c.record);
  }
}

TEST_F(OrderTest, ExactSearchRetriesWithCommas) {
  ASSERT_TRUE(tables.create_index(ctx, "NAME", "keys"));
  EXPECT_TRUE(tables.find_exact("1.5"));  // stored as "1,5"
  EXPECT_EQ(tables.current_record(), 1);
  tables.go_to_record(ctx, 3);
  EXPECT_FALSE(tables.find_exact("c"));
  EXPECT_FALSE(tables.found());
  EXPECT_EQ(tables.current_record(), 3);  // a failed search stays
  EXPECT_TRUE(tables.find_exact("b"));
  EXPECT_EQ(tables.current_record(), 2);  // the first of equal keys
}

TEST_F(OrderTest, ExactSearchOnNumbersComparesValues) {
  ASSERT_TRUE(tables.create_index(ctx, "H", "keys"));
  EXPECT_TRUE(tables.find_exact(" 7"));
  EXPECT_EQ(tables.current_record(), 2);
  EXPECT_FALSE(tables.find_exact("7.5"));
}

TEST_F(OrderTest, UnknownFieldInExpressionIsReported) {
  EXPECT_FALSE(tables.create_index(ctx, "B*100+X", "keys"));
  EXPECT_TRUE(rec.cancelled);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_NE(ui.shown[0].find("\"X\" nicht gefunden"), std::string::npos);
  EXPECT_FALSE(tables.has_order());
}

TEST_F(OrderTest, SearchAndSearchNext) {
  EXPECT_TRUE(tables.search("B", false));
  EXPECT_EQ(tables.current_record(), 2);
  EXPECT_TRUE(tables.search("", true));
  EXPECT_EQ(tables.current_record(), 4);
  EXPECT_FALSE(tables.search("", true));
  EXPECT_EQ(tables.current_record(), 4);
  EXPECT_EQ(tables.last_search_text(), "B");
}

TEST_F(TableTest, BrowseCaptionsAndOutcome) {
  ship("din6888");
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  tables.set_titles("eins", "zwei");
  help = 1234;
  browser.confirm(6);
  browser.cancel(3);
  rec.cancelled = true;
  tables.browse(ctx, 1);
  EXPECT_FALSE(rec.cancelled);
  EXPECT_EQ(tables.browse_outcome().confirmed_record, 6);
  EXPECT_TRUE(tables.browse_outcome().closed_with_enter);
  tables.browse(ctx, 0);
  EXPECT_TRUE(rec.cancelled);
  EXPECT_FALSE(tables.browse_outcome().closed_with_enter);
  EXPECT_EQ(tables.browse_outcome().confirmed_record, 6);
  ASSERT_EQ(browser.shown.size(), 2u);
  EXPECT_EQ(browser.shown[0].caption, "zwei   eins");
  EXPECT_EQ(browser.shown[0].mode, BrowseMode::Select);
  EXPECT_EQ(browser.shown[0].help_number, 1234);
  EXPECT_EQ(browser.shown[1].caption, "zwei  eins  (" + nameText(folder + "/din6888.dbf") + ")");
  EXPECT_EQ(browser.shown[1].mode, BrowseMode::Edit);
  EXPECT_TRUE(ui.shown.empty());  // no copy, no notice
}

// The write test must fail although the tests run as root: a folder named "TEST.$$$" cannot be
// opened as a file by anyone.
TEST_F(TableTest, FolderWithoutWriteAccessIsEditedInATemporaryCopy) {
  ship("din6888");
  fs::create_directory(folder + "/TEST.$$$");
  const std::string original = read_file(folder + "/din6888.dbf");
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  // Reading needs no copy: choosing a row and rating read the table where it is.
  EXPECT_FALSE(tables.working_on_copy());
  EXPECT_EQ(tables.file_name(), folder + "/din6888.dbf");
  tables.browse(ctx, 1);
  EXPECT_FALSE(tables.working_on_copy());
  EXPECT_FALSE(fs::exists(temp + "/din6888.dbf"));
  EXPECT_TRUE(ui.shown.empty());

  tables.browse(ctx, 0);
  EXPECT_TRUE(tables.working_on_copy());
  EXPECT_EQ(tables.file_name(), temp + "/din6888.dbf");
  EXPECT_TRUE(fs::is_directory(folder + "/TEST.$$$"));  // not ours to remove
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0], std::string(kCaptionInfo) + "|" + kEditingCopyNotice);
  EXPECT_TRUE(tables.set_field_text(ctx, 12, "geaendert"));
  tables.close_table();
  EXPECT_EQ(read_file(folder + "/din6888.dbf"), original);  // edits change only the copy
  EXPECT_NE(read_file(temp + "/din6888.dbf"), original);
}

TEST_F(TableTest, ReadOnlyFileIsEditedInAWritableCopy) {
  ship("dwelle");
  fs::permissions(folder + "/dwelle.dbf", fs::perms::owner_read | fs::perms::group_read);
  ASSERT_TRUE(tables.open_table(ctx, "dwelle"));
  EXPECT_FALSE(tables.working_on_copy());
  EXPECT_TRUE(tables.append_values(ctx, {"998"}));  // the first edit makes the copy
  EXPECT_TRUE(tables.working_on_copy());
  EXPECT_EQ(tables.file_name(), temp + "/dwelle.dbf");
  EXPECT_NE(fs::status(temp + "/dwelle.dbf").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_TRUE(tables.append_values(ctx, {"999"}));
  EXPECT_EQ(tables.record_count(), 118);
}

TEST_F(TableTest, ReadOnlyFolderByPermissions) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders; the TEST.$$$ case covers the copy";
  ship("din6888");
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  EXPECT_FALSE(tables.working_on_copy());
  tables.browse(ctx, 0);
  EXPECT_TRUE(tables.working_on_copy());
}

// Nothing is written beside a table that is only read, and the write test before an edit follows no
// link planted under its name.
TEST_F(TableTest, ReadingWritesNothingAndTheWriteTestFollowsNoLink) {
  ship("din6888");
  const std::string victim = root + "/victim.txt";
  write_file(victim, "bleibt");
  fs::create_symlink(victim, folder + "/TEST.$$$");
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  tables.go_to_record(ctx, 3);
  EXPECT_FALSE(tables.field_text(3).empty());
  tables.close_table();
  EXPECT_EQ(read_file(victim), "bleibt");

  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  EXPECT_TRUE(tables.set_field_text(ctx, 12, "geaendert"));
  EXPECT_TRUE(tables.working_on_copy());  // the test name was taken: edited in a copy
  EXPECT_EQ(read_file(victim), "bleibt");
  EXPECT_TRUE(fs::is_symlink(folder + "/TEST.$$$"));
}

TEST_F(TableTest, CopyThatCannotBeMadeIsReported) {
  ship("din6888");
  fs::create_directory(folder + "/TEST.$$$");
  tables.set_folders(folder, root + "/no/such/folder");
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));  // reading needs no copy
  EXPECT_FALSE(tables.set_field_text(ctx, 12, "geaendert"));
  EXPECT_TRUE(rec.cancelled);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_NE(ui.shown[0].find(root + "/no/such/folder/din6888.dbf" + kNotFound), std::string::npos);
}

TEST_F(TableTest, FullPathAndForeignExtension) {
  make_table(root + "/setup.dbf", {{"NAME", 'C', 25, 0, 0}, {"LANDSCAPE", 'L', 1, 0, 0}}, {{"A4", "T"}});
  ASSERT_TRUE(tables.open_table(ctx, root + "/setup"));
  EXPECT_EQ(tables.file_name(), root + "/setup.dbf");
  EXPECT_TRUE(tables.field_logical("landscape"));
  tables.close_table();
  // The dBase library only opens "*.dbf"; a table under another name is used from a copy.
  fs::copy_file(root + "/setup.dbf", folder + "/setup.tab");
  ASSERT_TRUE(tables.open_table(ctx, "setup.tab"));
  EXPECT_EQ(tables.file_name(), temp + "/setup.dbf");
  EXPECT_EQ(tables.field_text(1), "A4");
}

}  // namespace
}  // namespace vx11
