// The result table with the program's own reader and rating: sound, broken and stopping files.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "calc/table_browser.h"
#include "calc/table_object.h"
#include "docu/documentation.h"
#include "project/input_data.h"
#include "project/result_table_rater.h"
#include "sheet_helpers.h"

namespace vx11 {
namespace {

struct RaterFixture : ::testing::Test {
  test::ScratchFolder dir;
  FormatSettings format;
  ProgramIdentity id;
  Session session;
  BatchTableBrowser browser;
  TableObject tables{browser};
  ProgramFileRater rater{format, id, session, tables};

  RaterFixture() { tables.set_folders(VX11_DATA_DIR, dir.str()); }

  // An input data file of the example connection, changed by `change`.
  void write_input(const std::string& name, const std::function<void(ConnectionRecord&)>& change) {
    ConnectionRecord rec;
    set_startup_defaults(rec);
    set_default_materials(rec);
    rec.key_row_number = 12;  // 5 x 6.5
    rec.shaft_diameter_d = 20;
    rec.nominal_torque_tn = 30;
    rec.max_torque_tmax = 45;
    change(rec);
    std::ostringstream out;
    const Documentation doc;
    write_input_data(out, rec, doc, format, id, "");
    dir.write(name, out.str());
  }
};

TEST_F(RaterFixture, SoundFileIsReadAndRated) {
  write_input("gut.vxk", [](ConnectionRecord&) {});
  ConnectionRecord rec;
  set_startup_defaults(rec);
  const FileRating rating = rater.rate(dir.file("gut.vxk"), rec);
  EXPECT_TRUE(rating.read) << rating.message;
  EXPECT_FALSE(rating.fatal) << rating.message;
  EXPECT_EQ(rec.key_row.key_width_b, 5);
  EXPECT_GT(rec.safety_seq[0], 0);
}

TEST_F(RaterFixture, BrokenAndStoppingFilesSayWhy) {
  write_input("d0.vxk", [](ConnectionRecord& rec) { rec.shaft_diameter_d = 0; });
  write_input("voll.vxk", [](ConnectionRecord&) {});
  const std::string whole = test::read_file(dir.file("voll.vxk"));
  dir.write("kurz.vxk", whole.substr(0, whole.size() / 4));
  dir.write("leer.vxk", "");

  ConnectionRecord rec;
  const FileRating stop = rater.rate(dir.file("d0.vxk"), rec);
  EXPECT_TRUE(stop.read);
  EXPECT_TRUE(stop.fatal);
  EXPECT_EQ(stop.message, "Fatal  : d = 0 !");
  for (const char* name : {"kurz.vxk", "leer.vxk", "weg.vxk"}) {
    const FileRating broken = rater.rate(dir.file(name), rec);
    EXPECT_FALSE(broken.read) << name;
    EXPECT_NE(broken.message.find(name), std::string::npos) << name << ": " << broken.message;
  }
}

TEST_F(RaterFixture, ScanOfADataDirectory) {
  write_input("a.vxk", [](ConnectionRecord& rec) { rec.outer_part_number = "N\x84" "1"; });
  write_input("b.vxk", [](ConnectionRecord& rec) { rec.nominal_torque_tn = 0; });
  dir.write("c.vxk", "kaputt\r\n");
  bool cancelled = false;
  const ResultTable table = scan_result_table(dir.str(), "vxk", format, id, rater, nullptr, cancelled);
  ASSERT_EQ(table.row_count(), 4);
  EXPECT_EQ(table.rows[1][3], "N\xC3\xA4" "1");
  EXPECT_EQ(table.rows[1][4], "DIN 6888 - 5 x 6.5");
  EXPECT_EQ(table.rows[1][9], " 20.00");
  EXPECT_NE(table.rows[1][15].find('.'), std::string::npos);
  EXPECT_EQ(table.rows[2][15], "Fatal  : TN = 0 !");
  EXPECT_NE(table.rows[3][2].find("c.vxk"), std::string::npos) << table.rows[3][2];
  EXPECT_FALSE(cancelled);
}

}  // namespace
}  // namespace vx11
