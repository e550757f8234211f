// The shipped example input files are made by this program's writer: each one is built here, and
// the committed file must equal what the writer makes of it. VX11_WRITE_EXAMPLES=1 rewrites them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/rating.h"
#include "project/input_data.h"

namespace vx11 {
namespace {

namespace fs = std::filesystem;

// The rows of din6888 the examples use: record number, the row's values, and the lower
// deviation of h9 at h (mm).
struct KeyRowUse {
  int number;
  Real d1_min, d1_max, b, h, d2, r1, t1_a, t1_b, t2_a, t2_b;
  Real h9_lower;
};
constexpr KeyRowUse k6x7_5{15, 17, 22, 6, 7.5L, 19, 0.4L, 5.1L, 6.0L, 2.6L, 1.7L, -0.036L};
constexpr KeyRowUse k8x11{20, 22, 38, 8, 11, 28, 0.4L, 8.2L, 9.5L, 3.0L, 1.7L, -0.043L};
constexpr KeyRowUse k8x13{21, 22, 38, 8, 13, 32, 0.4L, 10.2L, 11.5L, 3.0L, 1.7L, -0.043L};
constexpr KeyRowUse k4x6_5{10, 10, 12, 4, 6.5L, 16, 0.2L, 5.0L, 5.6L, 1.7L, 1.1L, -0.036L};

// A material of wst1base with its record number there.
struct MaterialUse {
  int row;
  const char* number;
  const char* name;
  int re;
  int elongation;
};
constexpr MaterialUse kS355{1, "1.0570", "S355J2G3 (St52-3)", 355, 22};
constexpr MaterialUse kE335{5, "1.0060", "E335 (St 60)", 335, 16};
constexpr MaterialUse kC45E{8, "1.1191", "C45E (Ck45)", 490, 14};
constexpr MaterialUse k16MnCr5{16, "1.7131", "16MnCr5", 635, 9};
constexpr MaterialUse kGE200{21, "1.0420", "GE200 (GS-38)", 200, 25};
constexpr MaterialUse kGE300{23, "1.0558", "GE300 (GS-60)", 300, 15};
constexpr MaterialUse kGJS400{27, "0.7040", "EN-GJS-400-15", 250, 15};

struct Example {
  ConnectionRecord rec;
  Documentation doc;
};

Example base() {
  Example e;
  set_startup_defaults(e.rec);
  set_default_materials(e.rec);
  reset_documentation(e.doc, "");
  return e;
}

void use_key(Example& e, const KeyRowUse& k, int count) {
  e.rec.key_row_number = k.number;
  e.rec.key_count = static_cast<std::int16_t>(count);
  const Real r = k.d2 / 2;
  e.rec.key_length_l = std::round(2 * std::sqrt(r * r - (r - k.h) * (r - k.h)) * 10000) / 10000;
}

void use_material(Example& e, int part, const MaterialUse& m, Real fs, Real fh) {
  Material& mat = e.rec.material[part];
  mat.number = m.number;
  mat.name = m.name;
  mat.yield_re = m.re;
  mat.table_int_7 = m.elongation;
  e.rec.material_row_number[part] = static_cast<std::int16_t>(m.row);
  e.rec.support_factor_fs[part] = fs;
  e.rec.hardness_factor_fh[part] = fh;
}

void names(Example& e, const char* inner, const char* inner_no, const char* outer, const char* outer_no,
           const char* info1, const char* info2) {
  e.rec.inner_part_name = inner;
  e.rec.inner_part_number = inner_no;
  e.rec.outer_part_name = outer;
  e.rec.outer_part_number = outer_no;
  e.doc.info_text = {info1, info2, ""};
}

void drawn(Example& e, const char* date, const char* name) {
  e.doc.title.drawn = {date, name};
  e.doc.title.checked = {date, ""};
  e.doc.title.standards = {date, ""};
}

// The main example: the worked example's loads and materials (d 20, TN 60, Tmax 90) with the
// smallest key of the shaft's range that holds them, one 6 x 7.5 (the worked example's own
// 5 x 6.5 belongs to 12..17 mm).
Example worked_example() {
  Example e = base();
  e.rec.shaft_diameter_d = 20;
  e.rec.nominal_torque_tn = 60;
  e.rec.max_torque_tmax = 90;
  use_key(e, k6x7_5, 1);
  e.rec.material_row_number = {1, 26, 5};  // EN-GJL-300 is record 26
  names(e, "Welle", "11111111", "Nabe", "22222222", "Rechenbeispiel", "d = 20 mm, TN = 60 Nm, Tmax = 90 Nm");
  drawn(e, "09.12.2026", "VX11");
  return e;
}

// A gear shaft with two keys opposite each other.
Example two_keys() {
  Example e = base();
  e.rec.shaft_diameter_d = 30;
  e.rec.nominal_torque_tn = 120;
  e.rec.max_torque_tmax = 150;
  e.rec.application_factor_ka = 1.25L;
  e.rec.load_distribution_factor_klambda = 1.1L;
  e.rec.fit_shaft = "k6";
  use_key(e, k8x11, 2);
  use_material(e, kShaft, kC45E, 1.2L, 1.0L);
  use_material(e, kHub, kGJS400, 1.5L, 1.0L);
  use_material(e, kKey, kE335, 1.0L, 1.0L);
  names(e, "Getriebewelle", "GW-3010-01", "Kettenrad z=19", "KR-3010-02", "Zwei Scheibenfedern 8 x 11",
        "Kettenantrieb F\x94rderband");
  e.doc.inner_part_name2 = "Antrieb F\x94rderband 2";
  drawn(e, "14.11.2026", "Becker");
  e.doc.changes[0] = {"zweite Feder", "20.11.2026", "BK", "Zweite Scheibenfeder um 180\xF8 versetzt,\r\nTN von 80 auf 120 Nm"};
  e.doc.change_count = 1;
  return e;
}

// A shaft with a bending moment, larger than the key's recommended range.
Example bending() {
  Example e = base();
  e.rec.shaft_diameter_d = 40;
  e.rec.nominal_torque_tn = 150;
  e.rec.max_torque_tmax = 300;
  e.rec.application_factor_ka = 1.25L;
  e.rec.bending_moment_mbmax = 120;
  e.rec.fit_shaft = "j6";
  use_key(e, k8x13, 1);
  use_material(e, kShaft, k16MnCr5, 1.2L, 1.15L);
  use_material(e, kHub, kGE300, 1.5L, 1.0L);
  use_material(e, kKey, kE335, 1.0L, 1.0L);
  names(e, "Ritzelwelle", "RW-4013-01", "Riemenscheibe", "RS-4013-02", "Welle 40 mm mit Feder 8 x 13",
        "Biegung aus Riemenzug 120 Nm");
  drawn(e, "02.12.2026", "Hoffmann");
  return e;
}

// A small shaft under shock loads: the hub and the key do not hold the peak torque, and the key is
// smaller than DIN 6888 recommends for the shaft.
Example overload() {
  Example e = base();
  e.rec.shaft_diameter_d = 16;
  e.rec.nominal_torque_tn = 25;
  e.rec.max_torque_tmax = 60;
  e.rec.application_factor_ka = 1.5L;
  use_key(e, k4x6_5, 1);
  use_material(e, kShaft, kS355, 1.2L, 1.0L);
  use_material(e, kHub, kGE200, 1.5L, 1.0L);
  use_material(e, kKey, kE335, 1.0L, 1.0L);
  names(e, "Handradwelle", "HW-1606-01", "Handrad", "HR-1606-02", "Handrad mit Rutschkupplung",
        "Sto\xE1" "last beim Anfahren gegen Anschlag");
  drawn(e, "05.12.2026", "Wagner");
  return e;
}

// The template of new inputs: the start-up values with a key that fits the 35 mm shaft.
Example null_template() {
  Example e = base();
  use_key(e, k8x13, 1);
  e.doc.title = TitleBlock{};
  return e;
}

std::string bytes(const Example& e) {
  std::ostringstream out;
  write_input_data(out, e.rec, e.doc, FormatSettings{}, ProgramIdentity{}, "VX11 Beispiele");
  return out.str();
}

TEST(ShippedExamples, AreWhatTheWriterMakes) {
  const struct {
    const char* file;
    Example example;
  } examples[] = {
      {"beispiel.vxk", worked_example()},
      {"zwei_federn.vxk", two_keys()},
      {"biegung.vxk", bending()},
      {"ueberlast.vxk", overload()},
      {"null.vxk", null_template()},
  };
  const fs::path dir = fs::path(VX11_SOURCE_DIR) / "examples";
  const char* regenerate = std::getenv("VX11_WRITE_EXAMPLES");
  for (const auto& ex : examples) {
    const std::string expected = bytes(ex.example);
    if (regenerate && std::string(regenerate) == "1") {
      fs::create_directories(dir);
      std::ofstream(dir / ex.file, std::ios::binary) << expected;
    }
    std::ifstream in(dir / ex.file, std::ios::binary);
    ASSERT_TRUE(in) << ex.file;
    std::ostringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), expected) << ex.file;

    Example back;
    std::istringstream again(content.str());
    EXPECT_TRUE(read_input_data(again, back.rec, back.doc).complete) << ex.file;
    EXPECT_EQ(back.rec.shaft_diameter_d, ex.example.rec.shaft_diameter_d) << ex.file;
    EXPECT_EQ(back.rec.key_row_number, ex.example.rec.key_row_number) << ex.file;
  }
}

// Each example read back and rated with its key row: the outcome it was made to show.
TEST(ShippedExamples, RateAsIntended) {
  struct Case {
    const char* file;
    const KeyRowUse& key;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"beispiel.vxk", k6x7_5, {"Warnung: tau max / Re > 0.7 ! (1.166)"}},
      {"zwei_federn.vxk", k8x11, {}},
      {"biegung.vxk", k8x13, {"Warnung: D au\xE1" "erhalb DIN !"}},
      {"ueberlast.vxk", k4x6_5,
       {"Fehler : Smax<1 (0.76 Nabe)", "Fehler : Smax<1 (0.84 Scheibenfeder)", "Warnung: D au\xE1" "erhalb DIN !",
        "Warnung: tau max / Re > 0.7 ! (1.679)"}},
  };
  const FormatSettings format;
  for (const Case& c : cases) {
    Example e = base();
    std::ifstream in(fs::path(VX11_SOURCE_DIR) / "examples" / c.file, std::ios::binary);
    ASSERT_TRUE(read_input_data(in, e.rec, e.doc).complete) << c.file;
    const KeyRowUse& k = c.key;
    ASSERT_EQ(e.rec.key_row_number, k.number) << c.file;
    e.rec.key_row = {k.d1_min, k.d1_max, k.b, k.h, k.d2, k.r1, k.t1_a, k.t1_b, k.t2_a, k.t2_b, "", ""};
    MessageList messages;
    ASSERT_TRUE(begin_rating(e.rec, messages)) << c.file;
    compute_rating(e.rec, messages, format, k.h9_lower);
    EXPECT_FALSE(e.rec.fatal_error) << c.file;
    ASSERT_EQ(messages.count(), c.messages.size()) << c.file << ": " << messages.entry(1);
    for (std::size_t i = 0; i < c.messages.size(); ++i)
      EXPECT_EQ(messages.entry(static_cast<int>(i) + 1), c.messages[i].substr(0, 36)) << c.file;
  }
}

TEST(ShippedExamples, WorkedExampleHoldsItsInputs) {
  const Example e = worked_example();
  EXPECT_EQ(e.rec.key_row_number, 15);
  EXPECT_EQ(e.rec.key_length_l, 18.5742L);
  EXPECT_EQ(e.rec.material[kHub].yield_re, 230);
  EXPECT_EQ(e.rec.support_factor_fs[kHub], 2.0L);
  EXPECT_EQ(e.rec.alpha_kb, 5.0L);
  EXPECT_EQ(e.rec.key_count, 1);
}

}  // namespace
}  // namespace vx11
