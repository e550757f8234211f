// The table layer on any bytes as a .dbf file: it either refuses with a message and `cancelled`,
// or every field text fits its declared width and an order over the first field holds every record once.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "calc/calc_context.h"
#include "calc/table_object.h"
#include "fuzz/fuzz_check.h"

using namespace vx11;

namespace {

const std::string& work_folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/vx11_fuzz_table_XXXXXX";
    fuzz::require(::mkdtemp(pattern) != nullptr, "a work folder");
    std::filesystem::create_directories(std::string(pattern) + "/temp");
    return std::string(pattern);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& folder = work_folder();
  std::ofstream(folder + "/t.dbf", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  ConnectionRecord rec;
  MessageList messages;
  FormatSettings format;
  BatchInteraction ui;
  ui.echo = false;
  ScriptedTableBrowser browser;
  TableObject tables{browser};
  tables.set_folders(folder, folder + "/temp");
  int help = 0;
  CalcContext ctx{rec, messages, format, tables, ui, help};

  if (!tables.open_table(ctx, "t")) {
    fuzz::require(rec.cancelled, "a refused table sets cancelled");
    fuzz::require(!ui.shown.empty(), "a refused table says why");
    return 0;
  }
  const int records = std::min(tables.record_count(), 5000);
  const auto& fields = tables.fields();
  std::size_t record_length = 1;
  for (const auto& f : fields) {
    fuzz::require(f.width > 0, "fields have a width");
    record_length += static_cast<std::size_t>(f.width);
  }
  for (int r = 1; r <= records; ++r) {
    tables.go_to_record(ctx, r);
    fuzz::require(tables.current_record() == r, "a record within the count can be reached");
    fuzz::require(tables.dbf().raw(r).size() >= record_length, "a raw record holds all fields");
    for (int i = 1; i <= tables.field_count(); ++i) {
      const auto text = tables.field_text(i);
      fuzz::require(text.size() <= static_cast<std::size_t>(fields[i - 1].width), "a field text fits its width");
      fuzz::require(cut_field_text(tables, i, 20).size() <= 20, "a cut text is cut");
      (void)field_integer(tables, i);
      (void)field_real(tables, i);
    }
    (void)tables.field_text(tables.field_count() + 1);
  }
  if (!fields.empty() && tables.record_count() <= 5000) {
    rec.cancelled = false;
    if (tables.create_index(ctx, fields[0].name, kColumnIndexName)) {
      std::vector<int> order = tables.records_in_order(true);
      std::sort(order.begin(), order.end());
      bool each_once = static_cast<int>(order.size()) == tables.record_count();
      for (std::size_t k = 0; each_once && k < order.size(); ++k) each_once = order[k] == static_cast<int>(k) + 1;
      fuzz::require(each_once, "an order holds every record once");
      tables.go_to_record(ctx, 1);
      const std::string key = tables.field_text(1);
      if (!key.empty() && !fields[0].numeric()) (void)tables.find_exact(key);
      (void)tables.find_nearest(key);
    }
  }
  tables.close_table();
  return 0;
}
