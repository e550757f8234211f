// Inputs the fuzz runs found in block files, kept as regression cases.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cad/block_file.h"
#include "cad/dxf_writer.h"

namespace vx11 {
namespace {

std::string written_text(Real width_factor) {
  const CadSettings cad;
  const FormatSettings format;
  std::ostringstream out;
  DxfWriter w(out, cad, format);
  w.setTextConversion(false);
  w.text("B", 5, 5, CadTextStyle{0, width_factor, 0, 0});
  w.endOfFile();
  return out.str();
}

Real width_read_back(const std::string& file) {
  std::istringstream in(file);
  BlockFileReader reader(in);
  BlockEntity e;
  EXPECT_EQ(reader.next(e), BlockFileReader::Status::Entity);
  EXPECT_EQ(e.kind, BlockEntity::Kind::Text);
  return e.width_factor;
}

// A width factor of 2.709551615 is written "2.710": the significant-digit rule looks for trailing
// zeros before the fixed format rounds the last digit up. The value read back is the same, 2.71,
// and from the second round on the file no longer changes.
TEST(BlockFileFuzzFix, TextWidthSettlesAfterOneRound) {
  const std::string first = written_text(2.709551615L);
  EXPECT_NE(first.find(" 41\r\n2.710\r\n"), std::string::npos) << first;
  const Real back = width_read_back(first);
  EXPECT_NEAR(static_cast<double>(back), 2.71, 1e-12);
  const std::string second = written_text(back);
  EXPECT_NE(second.find(" 41\r\n2.71\r\n"), std::string::npos) << second;
  EXPECT_EQ(written_text(width_read_back(second)), second);
}

}  // namespace
}  // namespace vx11
