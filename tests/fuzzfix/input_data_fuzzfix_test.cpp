// Inputs the fuzz runs found in the input data file, kept as regression cases.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "docu/documentation.h"
#include "project/input_data.h"

namespace vx11 {
namespace {

// The drawing texts' numbers lost a digit on every save when the decimals setting was not 3:
// the significant-digit rule drops trailing zeros and the setting then shifts the count again.
TEST(InputDataFuzzFix, DrawingTextNumbersSurviveRepeatedSaves) {
  struct Case {
    const char* name;
    int decimals;
    int separator;
  };
  for (const Case& k : {Case{"two decimals", 2, 1}, Case{"one decimal, comma", 1, 2}, Case{"default", 3, 1},
                        Case{"nine decimals", 9, 1}}) {
    SCOPED_TRACE(k.name);
    FormatSettings format;
    format.decimals = k.decimals;
    format.decimal_separator = k.separator;
    ConnectionRecord rec;
    Documentation doc;
    doc.drawing_text_count = 1;
    doc.drawing_texts[0] = {1.705L, 12.25L, 3.5L, 45, "Welle"};
    for (int save = 1; save <= 3; ++save) {
      std::ostringstream out;
      write_input_data(out, rec, doc, format, ProgramIdentity{}, "");
      std::istringstream in(out.str());
      ConnectionRecord back;
      Documentation read;
      ASSERT_TRUE(read_input_data(in, back, read).complete);
      ASSERT_EQ(read.drawing_text_count, 1);
      const DrawingText& d = read.drawing_texts[0];
      EXPECT_NEAR(static_cast<double>(d.x), 1.705, 1e-12) << "save " << save;
      EXPECT_NEAR(static_cast<double>(d.y), 12.25, 1e-12) << "save " << save;
      EXPECT_NEAR(static_cast<double>(d.height), 3.5, 1e-12) << "save " << save;
      EXPECT_NEAR(static_cast<double>(d.angle), 45, 1e-12) << "save " << save;
      doc = read;
    }
  }
}

// A drawing text at x = 7.3496 is saved "7.350": four significant digits, and the trailing-zero
// check looks at the digits before the fixed format rounds the last one up. Read back it is 7.35,
// saved "7.35", and from then on the file no longer changes.
TEST(InputDataFuzzFix, RoundedUpDrawingTextNumberSettlesAfterOneSave) {
  FormatSettings format;
  format.decimals = 2;
  ConnectionRecord rec;
  Documentation doc;
  doc.drawing_text_count = 1;
  doc.drawing_texts[0] = {7.3496L, 0, 0, 0, ""};
  auto save = [&](const Documentation& d) {
    std::ostringstream out;
    write_input_data(out, rec, d, format, ProgramIdentity{}, "");
    return out.str();
  };
  auto load = [](const std::string& text) {
    std::istringstream in(text);
    ConnectionRecord back;
    Documentation read;
    EXPECT_TRUE(read_input_data(in, back, read).complete);
    return read;
  };
  const std::string first = save(doc);
  EXPECT_NE(first.find("\r\n7.350|0|0|0|"), std::string::npos);
  const Documentation once = load(first);
  EXPECT_NEAR(static_cast<double>(once.drawing_texts[0].x), 7.35, 1e-12);
  const std::string second = save(once);
  EXPECT_NE(second.find("\r\n7.35|0|0|0|"), std::string::npos);
  EXPECT_EQ(save(load(second)), second);
}

}  // namespace
}  // namespace vx11
