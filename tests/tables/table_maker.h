// Writes a small dBase table for a test: fields, then rows of values by position.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/dbf_table.h"

namespace vx11 {

inline void make_dbf_table(const std::string& path, const DbfFields& fields,
                           const std::vector<std::vector<std::string>>& rows) {
  std::string problem;
  ASSERT_TRUE(DbfTable::create(path, fields, problem)) << problem;
  DbfTable t;
  bool unreadable = false;
  ASSERT_TRUE(t.open(path, true, problem, unreadable)) << problem;
  for (const auto& row : rows) {
    const int n = t.append_blank();
    ASSERT_NE(n, 0);
    for (std::size_t f = 0; f < row.size(); ++f)
      ASSERT_TRUE(t.write(n, static_cast<int>(f) + 1, row[f], problem)) << problem;
  }
}

}  // namespace vx11
