#include "calc/toliso.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <string_view>

#include "calc/iso286_deviations.h"

namespace vx11 {

namespace {

// Message texts, code page 850 (0x81 is u-umlaut).
constexpr std::string_view kInvalidDesignation = "ung\x81ltige ISO-Toleranz";
constexpr std::string_view kUndefinedSize = "Undefinierter Nennmassbereich";
constexpr std::string_view kUnknownPosition = "unbekannte Toleranzlage";
constexpr std::string_view kNotDefinedFor = "nicht definiert f\x81r Lage";
constexpr std::string_view kOnlyInRange = "ist nur im Bereich";

struct Designation {
  std::string position;
  int grade = 0;
};

bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The grade number: digits, optionally surrounded by blanks; 0 when the text is no such number.
int parse_grade(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  s = s.substr(first, s.find_last_not_of(' ') - first + 1);
  long value = 0;
  for (const char c : s) {
    if (!is_digit(c)) return 0;
    value = value * 10 + (c - '0');
    if (value > 9999) return 0;  // a number this long is no grade at all
  }
  return static_cast<int>(value);
}

// Position of one or two letters, then the grade, with or without a blank between them.
std::optional<Designation> parse_designation(std::string_view t) {
  const auto split = [&](std::size_t position_length, std::size_t grade_from) {
    return Designation{std::string(t.substr(0, position_length)), parse_grade(t.substr(grade_from))};
  };
  if (t.size() > 2 && t[1] == ' ') return split(1, 2);
  if (t.size() > 3 && t[2] == ' ') return split(2, 3);
  if (t.size() > 1 && is_digit(t[1])) return split(1, 1);
  if (t.size() > 2 && is_digit(t[2])) return split(2, 2);
  return std::nullopt;
}

// k = |trunc(N - 0.001)|; none for sizes no range can hold. The nudge keeps a size such as
// 10.001, which is not exact in binary, on the key 10 it means.
std::optional<long> size_key(Real nominal_mm) {
  if (!std::isfinite(nominal_mm)) return std::nullopt;
  Real x = nominal_mm - 0.001L;
  x += std::copysign(1e-9L, x);
  if (std::fabs(x) >= 1e6L) return std::nullopt;
  return std::labs(static_cast<long>(std::trunc(x)));
}

// Position index 0..27 and whether it is a hole; none for an unknown position.
std::optional<std::pair<int, bool>> find_position(const std::string& position) {
  for (int i = 0; i < iso286::kPositionCount; ++i) {
    const std::string_view shaft = iso286::kShaftPositions[i];
    if (position == shaft) return std::pair{i, false};
    std::string hole(shaft);
    for (char& c : hole) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (position == hole) return std::pair{i, true};
  }
  return std::nullopt;
}

std::string grade_not_defined(const Designation& d) {
  return "Toleranzgrad " + std::to_string(d.grade) + " " + std::string(kNotDefinedFor) + " " + d.position;
}

// Sizes outside which a position has no values; empty when the size is inside.
// letters: the position in lower case, as in the shaft list.
std::string size_limit_message(const Designation& d, std::string_view letters, bool hole,
                               const std::string& normal_form, long key) {
  const auto only_in = [&](std::string_view limits) {
    return normal_form + " " + std::string(kOnlyInRange) + std::string(limits) + "definiert";
  };
  // za, zb and zc end at 500 mm like z: the tables hold nothing above.
  for (const std::string_view up_to_500 : {"a", "b", "c", "j", "v", "x", "y", "z", "za", "zb", "zc"}) {
    if (letters == up_to_500 && key >= 500) return "d>500 " + std::string(kNotDefinedFor) + " " + d.position;
  }
  if ((letters == "cd" || letters == "ef" || letters == "fg") && key >= 10) return only_in(" 1 bis 10 mm ");
  if (letters == "t" && key < 24) return only_in(" > 24 mm ");
  if (letters == "v" && key < 14) return only_in(hole ? " > 14 mm " : " > 14 bis 500 mm ");
  if (letters == "y" && key < 18) return only_in(hole ? " > 18 mm " : " > 18 bis 500 mm ");
  return {};
}

struct UsualGrades {
  std::string_view position;
  int first;
  int last;
  std::string_view text;
};

// The grades in common use for shafts; others are computed but answered with this range.
constexpr UsualGrades kUsualShaftGrades[] = {
    {"a", 9, 13, "a9..a13"},   {"b", 8, 13, "b8..b13"},   {"c", 8, 12, "c8..c12"},
    {"d", 5, 13, "d5..d13"},   {"e", 5, 10, "e5..e10"},   {"f", 3, 10, "f3..f10"},
    {"g", 3, 10, "g3..g10"},   {"m", 3, 9, "m3..m9"},     {"n", 3, 9, "n3..n9"},
    {"p", 3, 10, "p3..p10"},   {"r", 3, 10, "r3..r10"},   {"s", 3, 10, "s3..s10"},
    {"t", 5, 9, "t5..t9"},     {"u", 5, 9, "u5..u9"},     {"v", 5, 8, "v5..v8"},
    {"x", 5, 11, "x5..x11"},   {"y", 5, 10, "y5..y10"},   {"z", 6, 11, "z6..z11"},
    {"cd", 5, 10, "cd 5 .. cd 10"}, {"ef", 3, 10, "ef 3 .. ef 10"}, {"fg", 3, 10, "fg 3 .. fg 10"},
};

std::string usual_range_message(const Designation& d) {
  for (const auto& u : kUsualShaftGrades) {
    if (d.position == u.position && (d.grade < u.first || d.grade > u.last)) return std::string(u.text);
  }
  return {};
}

Real to_micrometres(std::int64_t subunits) {
  // One division of exact integers: 6.5 stays 6.5, and no -0 reaches the caller.
  return static_cast<Real>(subunits) / iso286::kSubunitsPerMicrometre + 0.0L;
}

}  // namespace

ToleranceLimits tolerance_limits(std::string& text, Real nominal_mm) {
  ToleranceLimits result;
  if (text.empty() || text == " ") return result;

  const auto designation = parse_designation(text);
  if (!designation || designation->grade == 0) {
    text.clear();
    result.message = kInvalidDesignation;
    return result;
  }
  const Designation& d = *designation;
  text = d.position + " " + std::to_string(d.grade);

  const auto key = size_key(nominal_mm);
  const auto ranges = key ? iso286::range_indices(*key) : std::nullopt;
  if (!ranges) {
    result.message = kUndefinedSize;
    return result;
  }
  if (d.grade < 1 || d.grade > iso286::kGradeCount) {
    result.message = grade_not_defined(d);
    return result;
  }
  const auto position = find_position(d.position);
  if (!position) {
    result.message = kUnknownPosition;
    return result;
  }
  const auto [index, hole] = *position;
  if (auto m = size_limit_message(d, iso286::kShaftPositions[index], hole, text, *key); !m.empty()) {
    result.message = std::move(m);
    return result;
  }
  const auto limits = iso286::deviations(index, hole, d.grade, *ranges);
  if (!limits) {
    // The tables have no column for this grade at this size (j8 above 3 mm, K9 above 3 mm, ...).
    result.message = grade_not_defined(d);
    return result;
  }
  result.lower = to_micrometres(limits->lower);
  result.upper = to_micrometres(limits->upper);
  if (!hole) result.message = usual_range_message(d);
  return result;
}

ToleranceLimits tolerance_limits_for_rating(ConnectionRecord& rec, std::string text, Real nominal_mm) {
  ToleranceLimits result = tolerance_limits(text, nominal_mm);
  if (!result.message.empty()) rec.cancelled = true;
  return result;
}

}  // namespace vx11
