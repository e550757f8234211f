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
  ASSERT_TRUE(t.append_rows(rows, problem)) << problem;
}

}  // namespace vx11
