// The lookup compared with every cell of the checked ISO 286 tables, and walked over its whole grid.
//
// Origin of the CSV files in this folder: /work/shared/data/iso286/ of the project's checked data
// (it_grades.csv, shaft_deviations.csv, hole_deviations.csv), copied unchanged. The code's tables
// store only the shaft columns; the hole cells test the derivation of every hole position.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "calc/iso286_tables.h"
#include "calc/toliso.h"
#include "csv_rows.h"

namespace vx11 {
namespace {

Real number(const std::string& s) { return std::strtold(s.c_str(), nullptr); }

// "all", "7", "5-6" or "1-3,8-18".
std::vector<int> grades_of(const std::string& text) {
  if (text == "all" || text.find("IT/2") != std::string::npos) {
    std::vector<int> all;
    for (int g = 1; g <= 18; ++g) all.push_back(g);
    return all;
  }
  std::vector<int> grades;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t comma = std::min(text.find(',', from), text.size());
    const std::string part = text.substr(from, comma - from);
    const std::size_t dash = part.find('-');
    const int first = std::atoi(part.substr(0, dash).c_str());
    const int last = dash == std::string::npos ? first : std::atoi(part.substr(dash + 1).c_str());
    for (int g = first; g <= last; ++g) grades.push_back(g);
    from = comma + 1;
  }
  return grades;
}

// Messages that stand for "no deviations"; the usual-range texts come with deviations.
bool is_error_message(const std::string& m) {
  return m == "ung\x81ltige ISO-Toleranz" || m == "Undefinierter Nennmassbereich" ||
         m == "unbekannte Toleranzlage" || m.rfind("Toleranzgrad ", 0) == 0 || m.rfind("d>500 ", 0) == 0 ||
         m.find(" ist nur im Bereich ") != std::string::npos;
}

struct CheckedTables {
  std::map<std::pair<int, int>, Real> it;     // (upper bound of the main range, grade)
  std::map<std::pair<int, int>, Real> delta;  // (upper bound of the main range, grade)

  CheckedTables() {
    for (const auto& row : test::read_csv("it_grades.csv")) {
      for (int g = 1; g <= 18; ++g) it[{std::atoi(row.at("upto_mm").c_str()), g}] = number(row.at("IT" + std::to_string(g)));
    }
    for (const auto& row : test::read_csv("hole_deviations.csv")) {
      if (row.at("position") == "DELTA") {
        delta[{std::atoi(row.at("upto_mm").c_str()), std::atoi(row.at("grades").c_str())}] = number(row.at("value_um"));
      }
    }
  }

  // Upper bound of the main range that holds the size; intermediate ranges lie inside one.
  static int main_bound(Real size) {
    for (const int bound : iso286::kMainUpperBounds) {
      if (size <= bound) return bound;
    }
    return 0;
  }
  Real tolerance(Real size, int grade) const { return it.at({main_bound(size), grade}); }
};

struct Expected {
  bool defined = false;
  Real upper = 0;
  Real lower = 0;
};

// The limits one row of the shaft or hole table gives for a grade and size.
Expected expected_cell(const CheckedTables& t, const test::CsvRow& row, int grade, Real size) {
  const Real tol = t.tolerance(size, grade);
  const std::string& kind = row.at("deviation");
  const std::string& value = row.at("value_um");
  if (kind.find("IT/2") != std::string::npos) return {true, tol / 2, -tol / 2};
  if (value.empty()) return {};
  Real v = number(value);
  if (row.count("add_delta") != 0 && row.at("add_delta") == "yes") {
    const auto d = t.delta.find({CheckedTables::main_bound(size), grade});
    if (d == t.delta.end()) return {};  // no delta for IT1 and IT2
    v += d->second;
  }
  if (row.at("position") == "M" && grade == 6 && row.at("upto_mm") == "315") v = -9;  // the standard's exception
  if (kind == "es" || kind == "ES") return {true, v, v - tol};
  return {true, v + tol, v};
}

TEST(CheckedTables, EveryCellOfTheShaftAndHoleTables) {
  const CheckedTables t;
  for (const char* file : {"shaft_deviations.csv", "hole_deviations.csv"}) {
    int cells = 0;
    for (const auto& row : test::read_csv(file)) {
      if (row.at("position") == "DELTA") continue;
      for (const int grade : grades_of(row.at("grades"))) {
        // Just above the lower bound of the range and its upper bound itself.
        for (const Real size : {number(row.at("over_mm")) + 0.5L, number(row.at("upto_mm"))}) {
          const Expected e = expected_cell(t, row, grade, size);
          std::string text = row.at("position") + std::to_string(grade);
          const ToleranceLimits r = tolerance_limits(text, size);
          SCOPED_TRACE(text + " at " + std::to_string(static_cast<double>(size)) + " mm");
          if (e.defined) {
            // The expectation is summed from decimal literals, the lookup divides exact integers.
            EXPECT_FALSE(is_error_message(r.message)) << r.message;
            EXPECT_NEAR(r.upper, e.upper, 1e-9L);
            EXPECT_NEAR(r.lower, e.lower, 1e-9L);
          } else {
            EXPECT_TRUE(is_error_message(r.message)) << r.message;
            EXPECT_EQ(r.upper, 0);
            EXPECT_EQ(r.lower, 0);
          }
          ++cells;
        }
      }
    }
    EXPECT_GT(cells, 28000) << file;
  }
}

// Every position, grade 1..18 and range: two deviations exactly IT apart, or an error message and
// zeros. A usual-range message may come with the deviations. No size may give both zero silently.
TEST(CheckedTables, GridWalkOverAllPositionsGradesAndRanges) {
  const CheckedTables t;
  std::vector<std::string> positions;
  for (const std::string_view p : iso286::kShaftPositions) {
    positions.emplace_back(p);
    std::string hole(p);
    for (char& c : hole) c = static_cast<char>(c - 'a' + 'A');
    positions.push_back(hole);
  }
  std::vector<Real> sizes{0.5L, 1};
  Real lower_bound = 0;
  for (const int bound : iso286::kIntermediateIIUpperBounds) {
    sizes.push_back(lower_bound + 0.001L);
    sizes.push_back((lower_bound + bound) / 2);
    sizes.push_back(bound);
    lower_bound = bound;
  }
  std::set<std::string> defined_positions;
  int defined = 0;
  int undefined = 0;
  for (const std::string& p : positions) {
    for (int grade = 1; grade <= 18; ++grade) {
      for (const Real size : sizes) {
        std::string text = p + std::to_string(grade);
        const ToleranceLimits r = tolerance_limits(text, size);
        SCOPED_TRACE(text + " at " + std::to_string(static_cast<double>(size)) + " mm");
        EXPECT_EQ(text, p + " " + std::to_string(grade));
        if (is_error_message(r.message)) {
          EXPECT_EQ(r.upper, 0);
          EXPECT_EQ(r.lower, 0);
          ++undefined;
        } else {
          EXPECT_NEAR(r.upper - r.lower, t.tolerance(size, grade), 1e-9L);
          EXPECT_FALSE(r.upper == 0 && r.lower == 0);
          defined_positions.insert(p);
          ++defined;
        }
      }
    }
  }
  EXPECT_EQ(defined_positions.size(), 56u);
  EXPECT_GT(defined, undefined);
}

}  // namespace
}  // namespace vx11
