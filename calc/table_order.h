// A temporary order over a table: the keys of an index expression, sorted, with exact and nearest search.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/connection_record.h"

namespace vx11 {

// An index expression: one field name (character or numeric key), or a sum of products of field
// names and numbers such as "B*100+H" (numeric key). Field names compare without regard to case.
class IndexExpression {
 public:
  // field_number(name) gives the 1-based field number or 0; is_numeric(field) tells the key kind.
  // nullopt when the expression names an unknown field or does not parse; `problem` says why.
  static std::optional<IndexExpression> parse(std::string_view text,
                                              const std::function<int(std::string_view)>& field_number,
                                              const std::function<bool(int)>& is_numeric,
                                              std::string& problem);
  bool numeric() const { return numeric_; }
  // A record's key from its field texts (1-based access through `field`).
  std::string text_key(const std::function<std::string(int)>& field) const;
  Real numeric_key(const std::function<std::string(int)>& field) const;

 private:
  struct Factor {
    int field = 0;  // 0: a constant
    Real constant = 1;
  };
  std::vector<std::vector<Factor>> terms_;  // sum of products
  bool numeric_ = false;
};

// Record numbers sorted by key (ties in physical order).
class TableOrder {
 public:
  struct Entry {
    int record = 0;
    std::string text;
    Real number = 0;
  };
  TableOrder() = default;
  TableOrder(std::string name, bool numeric, std::vector<Entry> entries);

  const std::string& name() const { return name_; }
  bool numeric() const { return numeric_; }
  const std::vector<Entry>& entries() const { return entries_; }
  // The position (0-based) of the first entry whose key equals / is at least the key; nullopt if none.
  std::optional<std::size_t> find_exact(std::string_view key) const;
  std::optional<std::size_t> find_nearest(std::string_view key) const;

 private:
  std::size_t lower_bound(std::string_view key) const;
  std::string name_;
  bool numeric_ = false;
  std::vector<Entry> entries_;
};

// Character keys compare without their trailing blanks.
std::string trim_key(std::string_view s);

}  // namespace vx11
