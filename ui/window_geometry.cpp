#include "ui/window_geometry.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>

#include <algorithm>

#include "ui/screen_fit.h"

namespace vx11 {

namespace {

constexpr const char* kClientKey = "main/client";

}  // namespace

ScreenMetrics screen_metrics(const QMainWindow* window) {
  ScreenMetrics m;
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    m.width = s->geometry().width();
    m.height = s->geometry().height();
    m.dpi_y = static_cast<int>(s->logicalDotsPerInchY());
  }
  if (window) {
    m.main_window_height = window->frameGeometry().height();
    m.main_window_client_height = window->centralWidget() ? window->centralWidget()->height() : window->height();
  }
  return m;
}

bool fills_screen(const Configuration& config, const ScreenMetrics& screen) {
  // The reader replaces 0 (and a missing file) by the screen's size less frame and bars.
  return config.resolution_horizontal == screen.width - 9 && config.resolution_vertical == screen.height - 91;
}

QSize start_client_size(const Configuration& config, const ScreenMetrics& screen, std::optional<QSize> last) {
  if (fills_screen(config, screen) && last && last->isValid() && !last->isEmpty()) return *last;
  return QSize(config.resolution_horizontal + 1, config.resolution_vertical + 1);
}

void size_main_window(QMainWindow& window, QSize client) {
  QSize outer = client;
  if (window.menuBar()) outer.rheight() += window.menuBar()->sizeHint().height();
  window.resize(outer.boundedTo(screen_room(&window)).expandedTo(QSize(200, 150)));
}

std::string window_size_file(const std::string& config_folder, const ProgramIdentity& identity) {
  std::string folder = config_folder;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder + identity.lower_name + "-window.ini";
}

std::optional<QSize> read_last_client_size(const std::string& path) {
  const QSettings file(QString::fromStdString(path), QSettings::IniFormat);
  const QSize size = file.value(kClientKey).toSize();
  if (!size.isValid() || size.width() < 100 || size.height() < 100) return std::nullopt;
  return size;
}

bool save_last_client_size(const std::string& path, QSize client) {
  QSettings file(QString::fromStdString(path), QSettings::IniFormat);
  file.setValue(kClientKey, client);
  file.sync();
  return file.status() == QSettings::NoError;
}

}  // namespace vx11
