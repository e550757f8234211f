// Limit deviations compared with published ISO 286-2 limit tables.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "calc/toliso.h"
#include "csv_rows.h"

namespace vx11 {
namespace {

struct Published {
  const char* designation;
  Real size_mm;
  Real upper;
  Real lower;
};

void expect_published(const std::vector<Published>& values) {
  for (const Published& p : values) {
    std::string text = p.designation;
    const ToleranceLimits r = tolerance_limits(text, p.size_mm);
    SCOPED_TRACE(std::string(p.designation) + " at " + std::to_string(static_cast<double>(p.size_mm)) + " mm");
    EXPECT_EQ(r.upper, p.upper);
    EXPECT_EQ(r.lower, p.lower);
  }
}

// One test per family of positions that share a rule; values from the ISO 286-2 limit tables.
TEST(PublishedLimits, ShaftsAToC) {
  expect_published({{"a11", 20, -300, -430}, {"b11", 20, -160, -290}, {"c11", 20, -110, -240},
                    {"c11", 45, -130, -290}, {"a9", 150, -520, -620}, {"b12", 300, -540, -1060}});
}

TEST(PublishedLimits, ShaftsCdEfFgUpTo10) {
  expect_published({{"cd6", 2, -34, -40}, {"cd7", 5, -46, -58}, {"ef6", 5, -14, -22},
                    {"ef7", 8, -18, -33}, {"fg6", 8, -8, -17}, {"fg4", 2, -4, -7}});
}

TEST(PublishedLimits, ShaftsDToH) {
  expect_published({{"d9", 20, -65, -117}, {"d11", 100, -120, -340}, {"e8", 20, -40, -73},
                    {"e9", 40, -50, -112}, {"f7", 20, -20, -41}, {"f7", 60, -30, -60},
                    {"g6", 20, -7, -20}, {"g6", 40, -9, -25}, {"h6", 20, 0, -13},
                    {"h7", 50, 0, -25}, {"h11", 100, 0, -220}, {"f7", 700, -80, -160}});
}

TEST(PublishedLimits, ShaftsJPerGradeAndJs) {
  expect_published({{"j5", 20, 5, -4}, {"j6", 20, 9, -4}, {"j7", 20, 13, -8}, {"j8", 2, 8, -6},
                    {"j6", 100, 13, -9}, {"js6", 20, 6.5L, -6.5L}, {"js7", 40, 12.5L, -12.5L}});
}

TEST(PublishedLimits, ShaftsKToP) {
  expect_published({{"k6", 20, 15, 2}, {"k6", 40, 18, 2}, {"k5", 60, 15, 2}, {"k8", 20, 33, 0},
                    {"k3", 20, 4, 0}, {"k6", 600, 44, 0}, {"m6", 20, 21, 8}, {"m6", 40, 25, 9},
                    {"n6", 20, 28, 15}, {"n6", 40, 33, 17}, {"p6", 20, 35, 22}, {"p6", 40, 42, 26}});
}

TEST(PublishedLimits, ShaftsRAndSIntermediateRanges) {
  expect_published({{"r6", 20, 41, 28}, {"r6", 60, 60, 41}, {"r6", 70, 62, 43},
                    {"s6", 20, 48, 35}, {"s6", 60, 72, 53}, {"s6", 70, 78, 59}});
}

TEST(PublishedLimits, ShaftsTToZc) {
  expect_published({{"t6", 30, 54, 41}, {"t6", 40, 64, 48}, {"u6", 20, 54, 41}, {"u6", 28, 61, 48},
                    {"v6", 16, 50, 39}, {"v6", 20, 60, 47}, {"x6", 12, 51, 40}, {"x6", 16, 56, 45},
                    {"y6", 28, 88, 75}, {"z6", 12, 61, 50}, {"z6", 16, 71, 60}, {"za6", 12, 75, 64},
                    {"zb7", 12, 108, 90}, {"zc8", 5, 98, 80}});
}

TEST(PublishedLimits, HolesAToH) {
  expect_published({{"A11", 20, 430, 300}, {"B11", 20, 290, 160}, {"C11", 20, 240, 110},
                    {"CD8", 2, 48, 34}, {"D10", 20, 149, 65}, {"E9", 20, 92, 40}, {"F8", 20, 53, 20},
                    {"G7", 20, 28, 7}, {"H7", 20, 21, 0}, {"H7", 35, 25, 0}});
}

TEST(PublishedLimits, HolesJPerGradeAndJs) {
  expect_published({{"J6", 20, 8, -5}, {"J7", 20, 12, -9}, {"J8", 20, 20, -13}, {"J7", 100, 22, -13},
                    {"JS7", 20, 10.5L, -10.5L}});
}

TEST(PublishedLimits, HolesKMNWithDelta) {
  expect_published({{"K6", 20, 2, -11}, {"K7", 20, 6, -15}, {"K8", 20, 10, -23}, {"K7", 2, 0, -10},
                    {"M6", 20, -4, -17}, {"M7", 20, 0, -21}, {"M6", 300, -9, -41}, {"M8", 20, 4, -29},
                    {"N7", 20, -7, -28}, {"N9", 20, 0, -52}, {"N9", 2, -4, -29}, {"N7", 600, -44, -114}});
}

TEST(PublishedLimits, HolesPToZcWithDeltaUpToGrade7) {
  expect_published({{"P7", 20, -14, -35}, {"P9", 20, -22, -74}, {"R7", 20, -20, -41},
                    {"S7", 20, -27, -48}, {"T7", 30, -33, -54}, {"U7", 20, -33, -54},
                    {"S7", 60, -42, -72}, {"P6", 20, -18, -31}});
}

// Origin: /work/shared/data/iso286/spot_checks.csv of the project's checked data, copied here
// unchanged; every row names the published table it was taken from.
TEST(PublishedLimits, SpotChecks) {
  const auto rows = test::read_csv("spot_checks.csv");
  ASSERT_EQ(rows.size(), 147u);
  for (const auto& row : rows) {
    std::string text = row.at("designation");
    const Real size = std::strtold(row.at("nominal_size_mm").c_str(), nullptr);
    const ToleranceLimits r = tolerance_limits(text, size);
    SCOPED_TRACE(row.at("designation") + " at " + row.at("nominal_size_mm") + " mm, " + row.at("source"));
    // The corrigendum rows give only the corrected limit; the other field is empty.
    if (!row.at("upper_um").empty()) {
      EXPECT_EQ(r.upper, std::strtold(row.at("upper_um").c_str(), nullptr));
    }
    if (!row.at("lower_um").empty()) {
      EXPECT_EQ(r.lower, std::strtold(row.at("lower_um").c_str(), nullptr));
    }
  }
}

}  // namespace
}  // namespace vx11
