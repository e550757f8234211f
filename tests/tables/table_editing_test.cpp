#include <gtest/gtest.h>

#include <sstream>

#include "calc/table_exchange.h"
#include "table_fixture.h"
#include "base/text.h"

namespace vx11 {
namespace {

TEST(FitValue, ValuesMustFitWithoutLoss) {
  const DbfField n51{"B", 'N', 5, 1, 1};
  const DbfField n20{"T", 'N', 2, 0, 1};
  const DbfField c4{"S", 'C', 4, 0, 1};
  const DbfField l1{"L", 'L', 1, 0, 1};
  struct Case {
    const char* name;
    const DbfField* field;
    const char* value;
    bool ok;
    const char* stored;
  };
  const Case cases[] = {
      {"padded to the decimals", &n51, "1", true, "  1.0"},
      {"comma as decimal point", &n51, "1,5", true, "  1.5"},
      {"zero decimals dropped", &n51, "1.50", true, "  1.5"},
      {"negative", &n51, "-12.5", true, "-12.5"},
      {"blank", &n51, "  ", true, "     "},
      {"decimal digits lost", &n51, "1.25", false, ""},
      {"too many digits", &n51, "1234.5", false, ""},
      {"not a number", &n51, "abc", false, ""},
      {"two points", &n51, "1.2.3", false, ""},
      {"integer right-aligned", &n20, "3", true, " 3"},
      {"integer too wide", &n20, "100", false, ""},
      {"text padded", &c4, "ab", true, "ab  "},
      {"text exactly wide", &c4, "abcd", true, "abcd"},
      {"text too long", &c4, "abcde", false, ""},
      {"logical yes", &l1, "J", true, "T"},
      {"logical no", &l1, "f", true, "F"},
      {"logical nonsense", &l1, "x", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string stored, problem;
    EXPECT_EQ(fit_value(*c.field, c.value, stored, problem), c.ok);
    if (c.ok) EXPECT_EQ(stored, c.stored);
    else EXPECT_FALSE(problem.empty());
  }
}

class EditingTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    make_table(folder + "/t.dbf", fields, {{"1", "eins"}, {"2", "zwei \"2\""}, {"3", "drei, drei"}});
    ASSERT_TRUE(tables.open_table(ctx, "t"));
  }
  std::vector<std::string> column(int f) {
    std::vector<std::string> v;
    for (int r = 1; r <= tables.record_count(); ++r) v.push_back(tables.field_text(r, f));
    return v;
  }
  DbfFields fields{{"NR", 'N', 4, 1, 0}, {"TEXT", 'C', 12, 0, 0}};
};

TEST_F(EditingTest, EditAppendDeleteAndPack) {
  ASSERT_TRUE(tables.create_index(ctx, "TEXT", "t"));
  tables.go_to_record(ctx, 1);
  ASSERT_TRUE(tables.set_field_text(ctx, 2, "vier"));
  EXPECT_EQ(tables.records_in_order(true), (std::vector<int>{3, 1, 2}));  // the order follows the edit
  ASSERT_TRUE(tables.append_values(ctx, {"5", "fuenf"}));
  EXPECT_EQ(tables.current_record(), 4);
  EXPECT_FALSE(tables.set_field_text(ctx, 1, "12345"));  // does not fit: refused, nothing written
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(tables.field_text(1), "5.0");
  rec.cancelled = false;

  ASSERT_TRUE(tables.set_deleted(ctx, 2, true));
  EXPECT_TRUE(tables.is_deleted(2));
  EXPECT_EQ(tables.records_in_order(false), (std::vector<int>{3, 4, 1}));
  ASSERT_TRUE(tables.pack(ctx));
  EXPECT_EQ(tables.record_count(), 3);
  EXPECT_EQ(column(2), (std::vector<std::string>{"vier", "drei, drei", "fuenf"}));
  EXPECT_TRUE(tables.has_order());
  tables.close_table();
  // The packed file is a whole table for another reader too.
  ASSERT_TRUE(tables.open_table(ctx, "t"));
  EXPECT_EQ(tables.record_count(), 3);
  EXPECT_FALSE(std::filesystem::exists(folder + "/$pack$t.dbf"));
}

TEST_F(EditingTest, EditsAreInTheFileBeforeTheTableCloses) {
  tables.go_to_record(ctx, 2);
  ASSERT_TRUE(tables.set_field_text(ctx, 2, "zwo"));
  ASSERT_TRUE(tables.append_values(ctx, {"4", "vier"}));
  ASSERT_TRUE(tables.set_deleted(ctx, 1, true));
  DbfTable other;  // another reader while the table is still open
  std::string problem;
  bool unreadable = false;
  ASSERT_TRUE(other.open(folder + "/t.dbf", false, problem, unreadable)) << problem;
  EXPECT_EQ(other.record_count(), 4);
  EXPECT_EQ(other.text(2, 2), "zwo");
  EXPECT_EQ(other.text(4, 2), "vier");
  EXPECT_TRUE(other.deleted(1));
}

TEST_F(EditingTest, BatchBrowserNeverConfirmsAHiddenRecord) {
  BatchTableBrowser batch;
  tables.set_browser(batch);
  tables.go_to_record(ctx, 1);
  ASSERT_TRUE(tables.set_deleted(ctx, 1, true));
  tables.browse(ctx, 0);  // editing shows deleted records
  EXPECT_EQ(tables.browse_outcome().confirmed_record, 1);
  tables.browse(ctx, 1);
  EXPECT_FALSE(rec.cancelled);
  EXPECT_EQ(tables.browse_outcome().confirmed_record, 2);
  for (int r = 2; r <= 3; ++r) ASSERT_TRUE(tables.set_deleted(ctx, r, true));
  tables.browse(ctx, 1);
  EXPECT_TRUE(rec.cancelled);
}

TEST_F(EditingTest, DelimitedRoundTrip) {
  std::ostringstream out;
  write_table_delimited(out, tables);
  EXPECT_EQ(out.str(), "1.0,\"eins\"\r\n2.0,\"zwei \"\"2\"\"\"\r\n3.0,\"drei, drei\"\r\n");
  tables.close_table();
  make_table(folder + "/u.dbf", fields, {});
  ASSERT_TRUE(tables.open_table(ctx, "u"));
  std::istringstream in(out.str() + "\n4,nackt\n");
  ASSERT_TRUE(import_delimited(ctx, in));
  EXPECT_EQ(column(2), (std::vector<std::string>{"eins", "zwei \"2\"", "drei, drei", "nackt"}));
  EXPECT_EQ(column(1), (std::vector<std::string>{"1.0", "2.0", "3.0", "4.0"}));
}

TEST_F(EditingTest, FaultyImportLeavesTheTableUnchanged) {
  struct Case {
    const char* name;
    const char* text;
  };
  const Case cases[] = {{"value too long", "7,\"gut\"\r\n8,\"viel zu langer Text\"\r\n"},
                        {"open quote", "7,\"gut\r\n"},
                        {"too many values", "7,a,b\r\n"},
                        {"not a number", "x,a\r\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    rec.cancelled = false;
    ui.shown.clear();
    std::istringstream in(c.text);
    EXPECT_FALSE(import_delimited(ctx, in));
    EXPECT_TRUE(rec.cancelled);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(tables.record_count(), 3);
  }
}

TEST_F(EditingTest, AppendFromAnotherTableMatchesFieldsByName) {
  make_table(folder + "/other.dbf", {{"TEXT", 'C', 10, 0, 0}, {"X", 'N', 3, 0, 0}},
             {{"anders", "1"}, {"weg", "2"}, {"noch", "3"}});
  {
    DbfTable other;
    std::string problem;
    bool unreadable = false;
    ASSERT_TRUE(other.open(folder + "/other.dbf", true, problem, unreadable));
    ASSERT_TRUE(other.set_deleted(2, true, problem)) << problem;
  }
  ASSERT_TRUE(append_from_table(ctx, folder + "/other.dbf"));
  EXPECT_EQ(column(2), (std::vector<std::string>{"eins", "zwei \"2\"", "drei, drei", "anders", "noch"}));
  EXPECT_EQ(column(1)[3], "");

  EXPECT_FALSE(append_from_table(ctx, folder + "/missing.dbf"));
  EXPECT_TRUE(rec.cancelled);
  EXPECT_EQ(tables.record_count(), 5);
}

TEST_F(EditingTest, HtmlPage) {
  std::ostringstream out;
  tables.go_to_record(ctx, 2);
  write_table_html(out, tables, format, {"VX11  -  Scheibenfederberechnung", "09.12.2026", "10:11"});
  const std::string f = folder + "/t.dbf";
  EXPECT_EQ(out.str(),
            std::string("<HTML>\r\n<HEAD>") + kHtmlCharset + "<TITLE>" + f + "</TITLE></HEAD>\r\n<BODY BGCOLOR=\"C0C0C0\">\r\n"
            "<P>VX11  -  Scheibenfederberechnung</P>\r\n<P>" + f + "</P>\r\n<P>09.12.2026 - 10:11</P>\r\n"
            "<HR>\r\n<TABLE BORDER=\"1\" WIDTH= \"100%\">\r\n"
            "<TR><TD><CENTER>NR</CENTER></TD><TD><CENTER>TEXT</CENTER></TD></TR>\r\n"
            "<TR><TD>1.0</TD><TD>eins</TD></TR>\r\n<TR><TD>2.0</TD><TD>zwei &quot;2&quot;</TD></TR>\r\n"
            "<TR><TD>3.0</TD><TD>drei, drei</TD></TR>\r\n</TABLE>\r\n</BODY>\r\n</HTML>\r\n");
}

TEST_F(EditingTest, HtmlExportToAFolderThatDoesNotExist) {
  EXPECT_FALSE(export_table_html(ctx, root + "/none/t.html", {}));
  EXPECT_TRUE(rec.cancelled);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_TRUE(export_table_delimited(ctx, root + "/t.txt"));
  EXPECT_EQ(read_file(root + "/t.txt").substr(0, 12), "1.0,\"eins\"\r\n");
}

}  // namespace
}  // namespace vx11
