// vx11-render: one view of an input data file as a PNG picture, painted the way the window paints
// it. A program of its own, so that wvx11 never loads Qt in batch runs.
#include <QGuiApplication>
#include <QImage>

#include <cstdlib>
#include <iostream>
#include <string>

#include "calc/rating.h"
#include "calc/table_browser.h"
#include "draw/qt/painter_replay.h"
#include "draw/qt/view_drawing.h"
#include "project/input_file.h"
#include "project/program_state.h"
#include "project/startup.h"
#include "base/interaction.h"
#include "report/report_outlets.h"
#include "base/text.h"

namespace {

constexpr const char* kUsage =
    "vx11-render FILE.vxk VIEW OUT.png [WIDTHxHEIGHT]\n"
    "  VIEW: assembly, key, shaft, hub or quick; the picture is 1600x1200 pixels unless given\n";

// The drawings print nothing as text.
class NoTextPrinter : public vx11::TextPrinter {
 public:
  void print(const std::string&) override {}
};

bool parse_size(const std::string& s, int& w, int& h) {
  const auto x = s.find('x');
  if (x == std::string::npos) return false;
  w = std::atoi(s.substr(0, x).c_str());
  h = std::atoi(s.substr(x + 1).c_str());
  return w >= 16 && h >= 16 && w <= 16000 && h <= 16000;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5) {
    std::cerr << kUsage;
    return 1;
  }
  const std::string file = argv[1], out_png = argv[3];
  const auto view = vx11::view_by_name(argv[2]);
  int width = 1600, height = 1200;
  if (!view || (argc == 5 && !parse_size(argv[4], width, height))) {
    std::cerr << kUsage;
    return 1;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  QGuiApplication app(qt_argc, argv);

  vx11::BatchInteraction ui;
  ui.echo = false;
  vx11::BatchTableBrowser browser;
  vx11::RecordingTextWindow text_window;
  vx11::SpawnProcessStarter starter;
  NoTextPrinter printer;
  vx11::ProgramState state(vx11::Frontend{ui, browser, vx11::ReportOutlets{text_window, printer, starter}});
  vx11::load_configuration(state);
  state.rec.cancelled = false;
  auto files = state.input_file();
  vx11::read_input_file(files, file);
  if (state.rec.cancelled) {
    std::cerr << "vx11-render: " << file << " cannot be read\n";
    return 1;
  }
  auto calc = state.calc();
  vx11::run_rating(calc);
  state.session.current_file = file;

  vx11::GraphicsState g;
  vx11::configure_graphics(state.config, g);
  g.width = static_cast<std::uint16_t>(width - 1);
  g.height = static_cast<std::uint16_t>(height - 1);
  vx11::DisplayList list;
  vx11::SurfaceView no_window;
  vx11::GraphicsSurface surface(g, list, state.rec.cancelled, no_window);
  bool fatal = false;
  vx11::draw_view(state, surface, *view, [&] { fatal = true; });
  if (fatal) {
    std::cerr << "vx11-render: the rating ended with a fatal error:\n";
    for (int i = 1; i <= state.messages.count(); ++i)
      std::cerr << "  " << vx11::cp850ToUtf8(state.messages.entry(i)) << '\n';
    return 1;
  }
  bool cancelled = false;
  const QImage image = vx11::replayToImage(QSize(width, height), g, list, cancelled, &state.format);
  if (!image.save(QString::fromStdString(out_png), "PNG")) {
    std::cerr << "vx11-render: " << out_png << " cannot be written\n";
    return 1;
  }
  return 0;
}
