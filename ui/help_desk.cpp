#include "ui/help_desk.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "help/help_level.h"
#include "help/help_settings.h"
#include "project/program_state.h"
#include "ui/canvas.h"
#include "ui/help_picture_dialog.h"
#include "ui/help_picture_window.h"

namespace vx11 {

namespace {

// Shows the picture just drawn before the list comes back over it.
class RepaintingList : public PictureListDialog {
 public:
  RepaintingList(PictureListDialog& inner, GraphicsSurface& surface) : inner_(inner), surface_(surface) {}
  PictureListAnswer show(const std::string& caption, const std::vector<std::string>& entries, int current) override {
    surface_.view().repaint();
    return inner_.show(caption, entries, current);
  }

 private:
  PictureListDialog& inner_;
  GraphicsSurface& surface_;
};

}  // namespace

HelpDesk::HelpDesk(QWidget* window, ProgramState& state)
    : QObject(window),
      window_(window),
      state_(state),
      own_surface_(own_state_, own_list_, state.rec.cancelled, own_view_) {}

HelpDesk::~HelpDesk() = default;

HelpDesk* HelpDesk::find(QWidget* window) {
  // No meta object of its own, so qobject_cast cannot tell a desk from any other child.
  for (QObject* child : window->children())
    if (auto* desk = dynamic_cast<HelpDesk*>(child)) return desk;
  return nullptr;
}

HelpDesk& HelpDesk::of(QWidget* window, ProgramState& state) {
  if (HelpDesk* desk = find(window)) return *desk;
  return *new HelpDesk(window, state);
}

GraphicsSurface& HelpDesk::surface() {
  GraphicsSurface* target = provider_ ? provider_() : nullptr;
  return target ? *target : own_surface_;
}

HelpSettings HelpDesk::settings() const { return helpSettingsOf(state_.config, state_.identity); }

HelpPictureWindow& HelpDesk::picture_window() {
  QWidget* asker = QApplication::activeModalWidget();
  if (!asker) asker = window_;
  const QString title = QString::fromStdString(state_.identity.short_name) + QStringLiteral(" - Hilfebild");
  const bool fresh = HelpPictureWindow::find(asker) == nullptr;
  HelpPictureWindow& w = HelpPictureWindow::of(asker, title);
  w.present();
  // Drawn at the size it is shown.
  w.canvas().configure(state_.config, state_.format);
  if (fresh) w.canvas().attach(state_.rec.cancelled);
  return w;
}

void HelpDesk::show_help(int n, HelpMode mode) {
  // Help asked for is shown even after a step that was cancelled.
  state_.rec.cancelled = false;
  if (mode == HelpMode::TextOnly) {
    showHelp(HelpServices{state_.ui, nullptr, state_.help_number, state_.rec.cancelled}, settings(), n, mode);
    return;
  }
  HelpPictureWindow& w = picture_window();
  QPointer<HelpPictureWindow> shown(&w);
  SurfaceHelpCanvas canvas(w.canvas().surface());
  showHelp(HelpServices{state_.ui, &canvas, state_.help_number, state_.rec.cancelled}, settings(), n, mode);
  if (!shown) return;
  // An entry without a picture leaves no empty window behind.
  if (!w.has_drawing())
    w.close();
  else
    w.canvas().invalidate();
}

void HelpDesk::show_pictures() {
  HelpSettings s = settings();
  GraphicsSurface& target = picture_window().canvas().surface();
  SurfaceHelpCanvas canvas(target);
  QtPictureListDialog list(state_.format, window_);
  RepaintingList repainting(list, target);
  showHelpPictures(PictureListServices{s, state_.identity.title, state_.identity.short_name, state_.ui, repainting,
                                       canvas, state_.help_number, state_.rec.cancelled},
                   pictures_);
  target.view().repaint();
  // A picture chosen without an index moved the help-picture folder.
  state_.config.plt_folder = s.folder;
}

QString HelpDesk::tooltip(int n) const {
  return QString::fromStdString(labelTooltip(state_.format, settings(), n));
}

DialogHelp HelpDesk::dialog_help() {
  DialogHelp help;
  help.text = [this] { show_help(0, HelpMode::TextOnly); };
  help.picture = [this] { show_help(0, HelpMode::PictureOnly); };
  help.tooltip = [this](int n) { return tooltip(n); };
  return help;
}

}  // namespace vx11
