// The main window: the menu tree with its captions in four languages, the command table behind
// the items, and the drawing canvas as its client area.
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>

#include "report/message_browser.h"
#include "ui/commands.h"
#include "ui/dialog_help.h"
#include "ui/menu_captions.h"
#include "ui/qt_translations.h"

class QAction;
class QMenu;

namespace vx11 {

class Canvas;

class Thh : public QMainWindow {
 public:
  explicit Thh(QWidget* parent = nullptr);

  // A command is enabled once it has a handler (and its own condition holds). The language
  // items and Exit come with handlers of their own; setting one replaces it.
  void set_handler(Command c, CommandHandler h);
  bool run_command(Command c) const { return commands_.run(c); }
  QAction* action(Command c) const { return actions_[static_cast<std::size_t>(c)]; }

  // Language switch: fills both caption tables for the code and sets every caption; an unknown
  // code leaves them as they are. Qt's own dialogs follow where Qt's translations are installed.
  // `language_changed` then stores the code and resets the window caption and the recent-file entries.
  void set_language(int code);
  int language() const { return language_; }
  const MenuCaptions& captions() const { return captions_; }
  std::function<void(int code)> language_changed;

  // The close query: the window closes only when it answers true (no query: it always does).
  std::function<bool()> close_query;
  // The help buttons of the dialogs the commands open; the help system fills it.
  DialogHelp help;
  // The message description dialog of the message browsing; none shows no descriptions.
  DescriptionDialog* descriptions = nullptr;

  // First step of the after-rating refresh: "(n)" behind the error-messages item, enabled for n > 0.
  void set_message_count(int count);
  // Export and Import stay disabled until Start Excel has succeeded.
  void set_excel_started(bool started);
  // Captions of the recent-file entries (UTF-8, "&1 name"); an empty one hides its entry.
  void set_recent_files(const std::array<std::string, 4>& captions);

  QWidget* client_area() const;
  Canvas* canvas() const { return canvas_; }

 private:
  QMenu* add_menu(QMenu* parent, const char* name);
  QAction* add_item(QMenu* menu, Command c);
  void build_menus();
  void apply_captions();
  void update_enabled(Command c);
  void closeEvent(QCloseEvent* event) override;

  CommandTable commands_;
  std::array<QAction*, kCommandCount> actions_{};
  MenuCaptions captions_;
  int language_ = 0;  // no switch yet: the initial captions
  QtTranslations qt_translations_;
  int message_count_ = 0;
  bool excel_started_ = false;
  Canvas* canvas_;
};

}  // namespace vx11
