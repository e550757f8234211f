// Test bench for the table layer: a fresh folder pair, the shipped tables copied in, a scripted browser.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/calc_context.h"
#include "calc/table_object.h"
#include "tests/tables/table_maker.h"
#include "tests/support/files.h"
#include "tests/support/scratch_folder.h"

namespace vx11 {

using test::read_file;
using test::write_file;

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = test::make_unique_folder("/tmp/vx11_tables_XXXXXX").string();
    ASSERT_FALSE(root.empty());
    folder = root + "/dbf";
    temp = root + "/temp";
    std::filesystem::create_directories(folder);
    std::filesystem::create_directories(temp);
    tables.set_folders(folder, temp);
    ui.echo = false;
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(root, ec);
  }

  // Copies a shipped table into the table folder.
  void ship(const std::string& name) {
    std::filesystem::copy_file(std::string(VX11_DATA_DIR) + "/" + name + ".dbf", folder + "/" + name + ".dbf",
                               std::filesystem::copy_options::overwrite_existing);
  }

  // Writes a table of our own: fields, then rows of values by position.
  void make_table(const std::string& path, const DbfFields& fields,
                  const std::vector<std::vector<std::string>>& rows) {
    make_dbf_table(path, fields, rows);
  }

  std::string root, folder, temp;
  ConnectionRecord rec;
  MessageList messages;
  FormatSettings format;
  BatchInteraction ui;
  ScriptedTableBrowser browser;
  TableObject tables{browser};
  int help = 0;
  CalcContext ctx{rec, messages, format, tables, ui, help};
};

}  // namespace vx11
