#include "tests/ui/print_fixture.h"

#include <QProcess>

#include <filesystem>

#include "calc/rating.h"
#include "draw/qt/view_drawing.h"
#include "project/input_file.h"

namespace vx11::test {

void PrintTest::SetUp() {
  DialogTest::SetUp();
  std::filesystem::copy_file(std::string(VX11_DATA_DIR) + "/printout.dbf", root + "/dbf/printout.dbf");
  auto files = state->input_file();
  read_input_file(files, std::string(VX11_SOURCE_DIR) + "/examples/beispiel.vxk");
  ASSERT_FALSE(state->rec.cancelled);
  auto calc = state->calc();
  run_rating(calc);
  state->config.temp_folder = temp_folder;
  canvas.attach(state->rec.cancelled);
  canvas.configure(state->config, state->format);
  canvas.resize(canvas.sizeHint());
}

void PrintTest::TearDown() { DialogTest::TearDown(); }

void PrintTest::draw(int view) {
  draw_view(*state, canvas.surface(), view, [] {});
  canvas.render_now();
}

std::string PrintTest::print_into(const std::string& name) {
  const std::string path = root + "/" + name + ".pdf";
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  return path;
}

int PrintTest::pdf_pages(const std::string& path) {
  QProcess gs;
  gs.start("gs", {"-q", "-dNODISPLAY", "-dNOSAFER", "-c",
                  QString::fromStdString("(" + path + ") (r) file runpdfbegin pdfpagecount = quit")});
  if (!gs.waitForFinished(30000) || gs.exitCode() != 0) return -1;
  bool ok = false;
  const int n = QString::fromLatin1(gs.readAllStandardOutput()).trimmed().toInt(&ok);
  return ok ? n : -1;
}

}  // namespace vx11::test
