#include <gtest/gtest.h>

#include "calc/dbf_header.h"
#include "table_fixture.h"

namespace vx11 {
namespace {

void put16(std::string& b, std::size_t at, unsigned v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& b, std::size_t at, unsigned v) {
  put16(b, at, v & 0xFFFF);
  put16(b, at + 2, v >> 16);
}

class DamagedTableTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    ship("din6888");
    good = read_file(folder + "/din6888.dbf");
    ASSERT_GT(good.size(), 500u);
  }
  // Opens the bytes as "din6888" and reads every field of every record if that succeeds.
  bool open_bytes(const std::string& bytes) {
    write_file(folder + "/din6888.dbf", bytes);
    rec.cancelled = false;
    ui.shown.clear();
    if (!tables.open_table(ctx, "din6888")) return false;
    for (int r = 1; r <= tables.record_count(); ++r) {
      tables.go_to_record(ctx, r);
      for (int f = 1; f <= tables.field_count() + 1; ++f) (void)tables.field_text(f);
    }
    tables.close_table();
    return true;
  }
  std::string good;
};

TEST_F(DamagedTableTest, EachDamageIsReportedAndCancels) {
  const std::size_t header = static_cast<unsigned char>(good[8]) | (static_cast<unsigned char>(good[9]) << 8);
  const std::size_t length = static_cast<unsigned char>(good[10]);
  struct Case {
    const char* name;
    std::string bytes;
    const char* says;  // part of the message
  };
  std::vector<Case> cases;
  cases.push_back({"empty file", "", "Dateikopf"});
  cases.push_back({"cut in the header", good.substr(0, 100), "Dateikopf"});
  cases.push_back({"cut in the records", good.substr(0, header + 5 * length + 3), "Datei zu kurz"});
  std::string count = good;
  put32(count, 4, 25);
  cases.push_back({"record count too high", count, "Datei zu kurz"});
  std::string huge = good;
  put32(huge, 4, 0xFFFFFFFFu);
  cases.push_back({"record count absurd", huge, "Datei zu kurz"});
  std::string rlen = good;
  put16(rlen, 10, static_cast<unsigned>(length + 1));
  cases.push_back({"record length too long", rlen, "Satzl"});
  std::string wide = good;
  wide[32 + 10 * 32 + 16] = static_cast<char>(40);  // TEXT1 wider than the record holds
  cases.push_back({"field longer than declared", wide, "Satzl"});
  std::string zero = good;
  zero[32 + 16] = 0;
  cases.push_back({"field of width 0", zero, "Feldbeschreibung 1"});
  std::string hlen = good;
  put16(hlen, 8, 60000);
  cases.push_back({"header length beyond the file", hlen, "Dateikopf"});
  std::string noend = good;
  noend[header - 1] = 'X';
  cases.push_back({"no end of the descriptors", noend, "Feldbeschreibung"});
  std::string type = good;
  type[32 + 11] = 'Q';
  cases.push_back({"unknown field type", type, "Feldbeschreibung 1"});
  cases.push_back({"text file", "Dies ist keine Tabelle, nur Text mit .dbf als Name.\n" + std::string(600, 'x'),
                   "kein dBase"});
  cases.push_back({"binary noise", std::string(700, '\x03'), ""});

  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(open_bytes(c.bytes));
    EXPECT_TRUE(rec.cancelled);
    EXPECT_FALSE(tables.is_open());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].rfind(std::string(kCaptionError) + "|Datei " + folder + "/din6888.dbf ", 0), 0u)
        << ui.shown[0];
    EXPECT_NE(ui.shown[0].find(c.says), std::string::npos) << ui.shown[0];
  }
}

TEST_F(DamagedTableTest, SmallerRecordCountOnlyHidesRecords) {
  std::string fewer = good;
  put32(fewer, 4, 3);
  write_file(folder + "/din6888.dbf", fewer);
  ASSERT_TRUE(tables.open_table(ctx, "din6888"));
  EXPECT_EQ(tables.record_count(), 3);
}

// Every single-byte change of the header either is refused with a message or gives a table whose
// every field can be read: nothing in between crashes or reads beyond the file.
TEST_F(DamagedTableTest, NoHeaderByteChangeCrashes) {
  const std::size_t header = static_cast<unsigned char>(good[8]) | (static_cast<unsigned char>(good[9]) << 8);
  int refused = 0;
  for (std::size_t at = 0; at < header; ++at) {
    for (unsigned char v : {0x00, 0xFF}) {
      std::string bytes = good;
      if (static_cast<unsigned char>(bytes[at]) == v) continue;
      bytes[at] = static_cast<char>(v);
      if (!open_bytes(bytes)) {
        ++refused;
        EXPECT_TRUE(rec.cancelled);
        EXPECT_EQ(ui.shown.size(), 1u);
      }
    }
  }
  EXPECT_GT(refused, 0);
}

TEST(DbfHeader, GoodHeaderLayout) {
  const auto c = check_dbf_file(std::string(VX11_DATA_DIR) + "/din6888.dbf");
  ASSERT_TRUE(c.ok) << c.problem;
  EXPECT_EQ(c.layout.field_count, 12);
  EXPECT_EQ(c.layout.record_count, 24u);
  EXPECT_EQ(c.layout.header_length, 32u + 12 * 32 + 1);
  EXPECT_FALSE(check_dbf_file("/nonexistent/x.dbf").readable);
}

}  // namespace
}  // namespace vx11
