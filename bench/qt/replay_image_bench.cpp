// Replaying a display list of 1 000 000 records onto a 1920x1080 image with the window's painter.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "draw/display_list.h"
#include "draw/graphics_state.h"
#include "draw/graphics_surface.h"
#include "draw/qt/painter_replay.h"

namespace {

using vx11::Real;

QGuiApplication& application() {
  static int argc = 1;
  static char name[] = "vx11_bench_qt";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  return app;
}

struct Drawing {
  vx11::GraphicsState g;
  vx11::DisplayList list;
  bool cancelled = false;
  vx11::SurfaceView view;
  vx11::GraphicsSurface surface{g, list, cancelled, view};

  Drawing() {
    g.width = 1919;
    g.height = 1079;
    g.background = {0, 0, 0};
  }
};

// A drawing-like mix: mostly lines, then arcs, circles, texts, fills, with colour and pen changes.
void fill_mixed(Drawing& d, int n) {
  vx11::GraphicsSurface& s = d.surface;
  s.Header(0, 0, 400, 300);
  s.SetTextStyle(2, 0, 3.5L, 2.5L);
  for (int i = 0; d.list.size() < static_cast<std::size_t>(n); ++i) {
    const Real x = (i * 7) % 380 + 5, y = (i * 13) % 280 + 5;
    switch (i % 100) {
      case 0:
        s.SetColor(1 + i / 100 % 15);
        break;
      case 1:
        s.SetLineStyle(i / 100 % 4);
        break;
      case 2:
      case 3:
      case 4:
      case 5:
        s.OutTextXY(x, y, "Scheibenfeder 5 x 6.5");
        break;
      case 6:
      case 7:
      case 8:
        s.circle(x, y, 4);
        break;
      case 9:
      case 10:
      case 11:
      case 12:
      case 13:
        s.Arc(x, y, 30, 250, 6);
        break;
      case 14:
        s.Solid(x, y, x + 3, y, x + 3, y + 2, x, y + 2);
        break;
      default:
        s.line(x, y, x + 12, y + 5);
        break;
    }
  }
}

void fill_lines(Drawing& d, int n) {
  d.surface.Header(0, 0, 400, 300);
  for (int i = 0; d.list.size() < static_cast<std::size_t>(n); ++i) {
    const Real x = (i * 7) % 380 + 5, y = (i * 13) % 280 + 5;
    d.surface.line(x, y, x + 12, y + 5);
  }
}

template <void (*Fill)(Drawing&, int)>
void BM_ReplayOntoImage(benchmark::State& state) {
  application();
  Drawing d;
  Fill(d, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const QImage image = vx11::replayToImage(QSize(1920, 1080), d.g, d.list, d.cancelled);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(d.list.size()));
}
BENCHMARK_TEMPLATE(BM_ReplayOntoImage, fill_mixed)->Name("BM_ReplayOntoImage/mixed")->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_ReplayOntoImage, fill_lines)->Name("BM_ReplayOntoImage/lines")->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
