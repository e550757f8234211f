// A program state for benchmarks: batch interaction and browser, tables from the build tree.
#pragma once

#include "calc/calc_context.h"
#include "calc/table_object.h"

namespace vx11 {

struct BenchContext {
  ConnectionRecord rec;
  MessageList messages;
  FormatSettings format;
  BatchInteraction ui;
  BatchTableBrowser browser;
  TableObject tables{browser};
  int help = 0;
  CalcContext ctx{rec, messages, format, tables, ui, help};
  BenchContext() {
    tables.set_folders(VX11_DATA_DIR, "/tmp");
    ui.echo = false;
  }
};

}  // namespace vx11
