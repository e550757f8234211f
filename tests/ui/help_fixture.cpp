#include "tests/ui/help_fixture.h"

#include <QDir>
#include <QImage>
#include <QWidget>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "calc/rating.h"
#include "project/input_file.h"
#include "tests/ui/qt_test_support.h"
#include "ui/canvas.h"
#include "ui/help_picture_window.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

namespace fs = std::filesystem;

std::vector<std::string> TestSurface::texts() const {
  std::vector<std::string> t;
  for (std::size_t i = 0; i < list.size(); ++i) {
    DisplayRecord r;
    if (parseDisplayRecord(list.record(i), r) && r.code == kRecText) t.emplace_back(r.text);
  }
  return t;
}

std::vector<std::string> picture_texts(const QWidget* asker) {
  std::vector<std::string> t;
  HelpPictureWindow* w = HelpPictureWindow::find(asker);
  if (!w) return t;
  const DisplayList& list = w->canvas().display_list();
  for (std::size_t i = 0; i < list.size(); ++i) {
    DisplayRecord r;
    if (parseDisplayRecord(list.record(i), r) && r.code == kRecText) t.emplace_back(r.text);
  }
  return t;
}

void HelpTest::SetUp() {
  ensure_application();
  ui = ScriptedInteraction();
  root = test::make_unique_folder("/tmp/vx11_help_ui_XXXXXX").string();
  ASSERT_FALSE(root.empty());
  plt = root + "/plt";
  temp = root + "/temp";
  for (const std::string& d : {plt, temp, root + "/dbf", root + "/cad"}) fs::create_directories(d);
  for (const auto& entry : fs::directory_iterator(VX11_DATA_DIR)) {
    const std::string ext = entry.path().extension().string();
    const std::string to = ext == ".dbf" ? root + "/dbf" : plt;
    if (ext == ".hlp" || ext == ".dbh" || ext == ".plt" || ext == ".err" || ext == ".dbf")
      fs::copy_file(entry.path(), to + "/" + entry.path().filename().string());
  }
}

void HelpTest::start(bool window_interaction) {
  static const FormatSettings kFormat;
  static const ProgramIdentity kIdentity;
  if (window_interaction) qt_ui = std::make_unique<QtInteraction>(kFormat, kIdentity);
  Interaction& chosen = qt_ui ? static_cast<Interaction&>(*qt_ui) : ui;
  printer = std::make_unique<LpTextPrinter>(FormatSettings{}, temp, starter, chosen);
  state = std::make_unique<ProgramState>(Frontend{chosen, browser, ReportOutlets{text_window, *printer, starter}});
  state->config.dbf_folder = root + "/dbf";
  state->config.plt_folder = plt;
  state->config.temp_folder = temp;
  state->config.cad_folder = root + "/cad";
  state->apply_configuration();
}

void HelpTest::TearDown() {
  state.reset();
  std::error_code ec;
  fs::remove_all(root, ec);
}

void HelpTest::load_example(const std::string& name) {
  auto files = state->input_file();
  read_input_file(files, std::string(VX11_SOURCE_DIR) + "/examples/" + name);
  ASSERT_FALSE(state->rec.cancelled);
  auto calc = state->calc();
  run_rating(calc);
}

void HelpTest::screenshot(QWidget* widget, const std::string& name) {
  const char* dir = std::getenv("VX11_SCREENSHOT_DIR");
  if (!dir || !*dir) return;
  QDir().mkpath(QString::fromLocal8Bit(dir));
  widget->show();
  widget->grab().save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name) + ".png");
}

}  // namespace vx11::test
