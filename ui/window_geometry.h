// The main window's size: at start the configured "Auflösung", else the size it had when it last
// closed, else fitted to the screen; never larger than the screen. The last size is kept in a small
// file beside the configuration.
#pragma once

#include <QSize>

#include <optional>
#include <string>

#include "project/configuration.h"
#include "base/identity.h"

class QMainWindow;
class QWidget;

namespace vx11 {

// The primary screen as the configuration reads it; with a window, its frame share too.
ScreenMetrics screen_metrics(const QMainWindow* window = nullptr);

// Whether the configured size is the one that fills the screen (0 or nothing in the file).
bool fills_screen(const Configuration& config, const ScreenMetrics& screen);

// The client area to open with.
QSize start_client_size(const Configuration& config, const ScreenMetrics& screen, std::optional<QSize> last);

// Resizes the window so that its client area is `client`, shrunk where the screen has less room.
void size_main_window(QMainWindow& window, QSize client);

// The file of the last size: the lower-case program name with "-window.ini" in the configuration folder.
std::string window_size_file(const std::string& config_folder, const ProgramIdentity& identity);
std::optional<QSize> read_last_client_size(const std::string& path);
// False when the file cannot be written (the next start then fits the window to the screen).
bool save_last_client_size(const std::string& path, QSize client);

}  // namespace vx11
