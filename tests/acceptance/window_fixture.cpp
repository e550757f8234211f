#include "tests/acceptance/window_fixture.h"

#include <QApplication>
#include <QImage>
#include <QProcess>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "draw/display_list.h"
#include "base/text.h"
#include "ui/canvas.h"
#include "ui/main_window.h"
#include "tests/support/scratch_folder.h"

namespace vx11::test {

namespace {

namespace fs = std::filesystem;

void copy_into(const std::string& from_folder, const std::string& to_folder, const std::vector<std::string>& names) {
  fs::create_directories(to_folder);
  for (const auto& n : names) fs::copy_file(from_folder + "/" + n, to_folder + "/" + n, fs::copy_options::overwrite_existing);
}

}  // namespace

void WindowAcceptance::SetUp() {
  root = test::make_unique_folder("/tmp/vx11_acceptance_XXXXXX").string();
  ASSERT_FALSE(root.empty());
  data = root + "/daten/";
  cad = root + "/cad/";
  start_folder_ = fs::current_path().string();
  const std::string shipped = VX11_DATA_DIR;
  copy_into(shipped, root + "/dbf", {"din6888.dbf", "dwelle.dbf", "wst1base.dbf", "vx3wstyp.dbf", "printout.dbf"});
  copy_into(shipped, root + "/plt", {"korvant.hlp", "vx11.hlp", "vx11.dbh", "vx11.err", "ka.plt", "fw.plt", "fl.plt", "werkst.plt"});
  fs::create_directories(root + "/temp");
  fs::create_directories(data);
  fs::create_directories(cad);
  copy_into(std::string(VX11_SOURCE_DIR) + "/examples", data, {"null.vxk"});
  // Nothing of the person running the tests is read or written.
  setenv("XDG_CONFIG_HOME", (root + "/xdg").c_str(), 1);
  setenv("TEMP", (root + "/temp").c_str(), 1);
  fs::current_path(root);
}

void WindowAcceptance::TearDown() {
  program_.reset();
  running_.reset();
  fs::current_path(start_folder_);
  std::error_code ec;
  // A failed walk leaves its folder (and VX11_ACCEPTANCE_KEEP every folder) for a person to look at.
  if (!HasFailure() && !std::getenv("VX11_ACCEPTANCE_KEEP")) fs::remove_all(root, ec);
}

void WindowAcceptance::start(const std::vector<std::string>& args, const std::function<void(Configuration&)>& configure) {
  Configuration c = default_configuration(root + "/");
  c.dbf_folder = root + "/dbf/";
  c.plt_folder = root + "/plt/";
  c.temp_folder = root + "/temp/";
  c.cad_folder = cad;
  c.edi_folder = data;
  c.default_data_directory = data;
  c.help_level = 1;
  if (configure) configure(c);
  {
    std::ofstream out(root + "/vx11.cfg", std::ios::binary);
    write_configuration(out, c, ProgramIdentity{});
    ASSERT_TRUE(out.good());
  }
  running_ = std::make_unique<RunningProgram>(screen_metrics());
  program_ = std::make_unique<WindowProgram>(running_->state, args);
  ASSERT_FALSE(program_->ended().has_value());
  program_->show();
  QApplication::processEvents();
}

void WindowAcceptance::close_window(std::vector<Step> steps) {
  {
    Person person(std::move(steps));
    window().close();
    QApplication::processEvents();
  }
  program_.reset();
  running_.reset();
}

Canvas& WindowAcceptance::canvas() { return *window().canvas(); }

void WindowAcceptance::menu(Command c) {
  QAction* a = window().action(c);
  ASSERT_NE(a, nullptr);
  ASSERT_TRUE(a->isEnabled()) << command_item_name(c);
  a->trigger();
  QApplication::processEvents();
}

std::string WindowAcceptance::example(const std::string& name) {
  copy_into(std::string(VX11_SOURCE_DIR) + "/examples", data, {name});
  return data + name;
}

std::vector<std::string> WindowAcceptance::canvas_texts() {
  std::vector<std::string> texts;
  const DisplayList& list = canvas().display_list();
  DisplayRecord r;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (parseDisplayRecord(list.record(i), r) && r.code == kRecText) texts.push_back(toWindows(state().format, r.text));
  return texts;
}

bool WindowAcceptance::canvas_shows(const std::string& part) {
  for (const auto& t : canvas_texts())
    if (t.find(part) != std::string::npos) return true;
  return false;
}

QImage WindowAcceptance::canvas_picture() {
  canvas().render_now();
  return canvas().picture();
}

namespace {
// The red outline of the section (colour 12 on the screen, red on a colour print).
bool outline(QRgb p) { return qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 110; }
}  // namespace

// The section's circle, drawn as a fine polygon: its left and right extremes give the horizontal
// radius and the centre's column; the rows of the left and right extremes give the centre's row,
// from which the lowest point gives the vertical radius (the key's groove cuts the top).
Measured measure_circle(const QImage& img) {
  int left = img.width(), right = -1, bottom = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (outline(img.pixel(x, y))) {
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
      }
  double rows = 0, count = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x : {left, right})
      if (outline(img.pixel(x, y))) {
        rows += y;
        ++count;
      }
  const double centre_row = count > 0 ? rows / count : 0;
  return {(right - left) / 2.0, bottom - centre_row};
}

std::vector<std::string> pdf_pages(const std::string& path) {
  std::string info;
  if (run_program("pdfinfo", {path}, &info) != 0) return {};
  int pages = 0;
  std::istringstream lines(info);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("Pages:", 0) == 0) pages = std::atoi(line.substr(6).c_str());
  std::vector<std::string> texts;
  for (int p = 1; p <= pages; ++p) {
    std::string text;
    run_program("pdftotext", {"-layout", "-f", std::to_string(p), "-l", std::to_string(p), path, "-"}, &text);
    texts.push_back(text);
  }
  return texts;
}

int run_program(const std::string& program, const std::vector<std::string>& args, std::string* output) {
  QProcess p;
  QStringList a;
  for (const auto& s : args) a << QString::fromStdString(s);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(QString::fromStdString(program), a);
  if (!p.waitForFinished(60000)) return -1;
  if (output) *output = p.readAll().toStdString();
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace vx11::test
