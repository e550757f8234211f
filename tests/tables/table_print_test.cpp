#include "report/table_print.h"

#include <gtest/gtest.h>

#include <sstream>

#include "project/configuration.h"
#include "table_fixture.h"

namespace vx11 {
namespace {

struct NoPrinter : TextPrinter {
  void print(const std::string&) override {}
};
struct NoStarter : ProcessStarter {
  bool exists(const std::string&) override { return true; }
  bool start(const std::vector<std::string>&) override { return true; }
};

TEST_F(TableTest, PrintShowsTheFirstSevenFieldsOfVisibleRecords) {
  ship("din6888");
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  ASSERT_TRUE(tables.set_deleted(ctx, 2, true));
  tables.set_titles("", "Scheibenfedern nach DIN 6888");

  Configuration config;
  config.temp_folder = temp + "/";
  ProgramIdentity identity;
  RecordingTextWindow window;
  NoPrinter printer;
  NoStarter starter;
  ReportOutlets outlets{window, printer, starter};
  ReportStream stream({config, format, identity, ui, outlets, help, rec.cancelled});
  std::ostringstream out;
  ASSERT_TRUE(print_table(stream, tables, kChannelScreen, &out));
  const std::string text = out.str();
  EXPECT_NE(text.find("Scheibenfedern nach DIN 6888"), std::string::npos);
  // Seven columns of ten characters; field 8 and later are left out.
  EXPECT_NE(text.find("D1MIN     D1MAX     B         H         D2        R1        T1A\r\n"), std::string::npos);
  EXPECT_EQ(text.find("T1B"), std::string::npos);
  EXPECT_NE(text.find("3.0       4.0       1.0       1.4       4.0       0.20      1.00\r\n"), std::string::npos);
  EXPECT_EQ(text.find("1.5       2.6"), std::string::npos);  // record 2 is marked as deleted
  EXPECT_NE(text.find("38.0      44.0      10.0      16.0      45.0      0.40      12.80\r\n"), std::string::npos);
  EXPECT_FALSE(rec.cancelled);
}

}  // namespace
}  // namespace vx11
