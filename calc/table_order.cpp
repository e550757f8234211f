#include "calc/table_order.h"

#include <algorithm>
#include <cctype>

#include "base/format.h"

namespace vx11 {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = s.find(sep);
    parts.push_back(trim(s.substr(0, at)));
    if (at == std::string_view::npos) return parts;
    s.remove_prefix(at + 1);
  }
}

bool is_number_text(std::string_view s) {
  if (s.empty()) return false;
  bool digit = false;
  for (char c : s) {
    if (std::isdigit(static_cast<unsigned char>(c))) digit = true;
    else if (c != '.' && c != ',') return false;
  }
  return digit;
}

}  // namespace

std::string trim_key(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

std::optional<IndexExpression> IndexExpression::parse(
    std::string_view text, const std::function<int(std::string_view)>& field_number,
    const std::function<bool(int)>& is_numeric, std::string& problem) {
  IndexExpression e;
  for (auto term : split(text, '+')) {
    std::vector<Factor> factors;
    for (auto f : split(term, '*')) {
      if (is_number_text(f)) {
        factors.push_back({0, parseReal(f)});
        continue;
      }
      const int n = f.empty() ? 0 : field_number(f);
      if (n == 0) {
        problem = "Feld \"" + std::string(f) + "\" nicht gefunden";
        return std::nullopt;
      }
      factors.push_back({n, 1});
    }
    e.terms_.push_back(std::move(factors));
  }
  const bool single = e.terms_.size() == 1 && e.terms_[0].size() == 1 && e.terms_[0][0].field != 0;
  e.numeric_ = !single || is_numeric(e.terms_[0][0].field);
  return e;
}

std::string IndexExpression::text_key(const std::function<std::string(int)>& field) const {
  return trim_key(field(terms_[0][0].field));
}

Real IndexExpression::numeric_key(const std::function<std::string(int)>& field) const {
  Real sum = 0;
  for (const auto& term : terms_) {
    Real product = 1;
    for (const auto& f : term) product *= f.field != 0 ? parseReal(trim(field(f.field))) : f.constant;
    sum += product;
  }
  return sum;
}

TableOrder::TableOrder(std::string name, bool numeric, std::vector<Entry> entries)
    : name_(std::move(name)), numeric_(numeric), entries_(std::move(entries)) {
  std::stable_sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) {
    return numeric_ ? a.number < b.number : a.text < b.text;
  });
}

std::size_t TableOrder::lower_bound(std::string_view key) const {
  if (numeric_) {
    const Real k = parseReal(trim(key));
    return static_cast<std::size_t>(
        std::partition_point(entries_.begin(), entries_.end(), [k](const Entry& e) { return e.number < k; }) -
        entries_.begin());
  }
  const std::string k = trim_key(key);
  return static_cast<std::size_t>(
      std::partition_point(entries_.begin(), entries_.end(), [&k](const Entry& e) { return e.text < k; }) -
      entries_.begin());
}

std::optional<std::size_t> TableOrder::find_exact(std::string_view key) const {
  const auto at = lower_bound(key);
  if (at >= entries_.size()) return std::nullopt;
  const Entry& e = entries_[at];
  const bool equal = numeric_ ? e.number == parseReal(trim(key)) : e.text == trim_key(key);
  if (!equal) return std::nullopt;
  return at;
}

std::optional<std::size_t> TableOrder::find_nearest(std::string_view key) const {
  const auto at = lower_bound(key);
  if (at >= entries_.size()) return std::nullopt;
  return at;
}

}  // namespace vx11
