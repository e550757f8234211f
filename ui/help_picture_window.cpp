#include "ui/help_picture_window.h"

#include <QDialog>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "draw/display_list.h"
#include "ui/canvas.h"

namespace vx11 {

namespace {
constexpr const char* kObjectName = "help_picture_window";
}

HelpPictureWindow::HelpPictureWindow(QWidget* asker, const QString& title)
    : QWidget(asker, Qt::Window), canvas_(new Canvas(this)), asker_(asker) {
  setObjectName(kObjectName);
  setWindowTitle(title);
  // Closing hides it: the list of help pictures may still draw into it; it goes with its asker.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(canvas_);
  // A dialog that is only hidden when it ends takes its picture along.
  if (auto* dialog = qobject_cast<QDialog*>(asker)) connect(dialog, &QDialog::finished, this, &QWidget::close);
}

HelpPictureWindow* HelpPictureWindow::find(const QWidget* asker) {
  return asker ? asker->findChild<HelpPictureWindow*>(kObjectName, Qt::FindDirectChildrenOnly) : nullptr;
}

HelpPictureWindow& HelpPictureWindow::of(QWidget* asker, const QString& title) {
  if (HelpPictureWindow* w = find(asker)) return *w;
  return *new HelpPictureWindow(asker, title);
}

void HelpPictureWindow::present() {
  if (!isVisible()) {
    const QScreen* screen = asker_ ? asker_->screen() : this->screen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // The pictures are drawn upright, 120 by 160 units.
    const int h = std::min(free.height() * 3 / 4, 720);
    resize(h * 3 / 4, h);
    const QRect asking = asker_ ? asker_->frameGeometry() : QRect(free.topLeft(), QSize(0, 0));
    QPoint at(asking.right() + 8, asking.top());
    if (at.x() + width() > free.right()) at.setX(asking.left() - width() - 8);
    if (at.x() < free.left()) at = asking.topLeft() + QPoint(24, 24);
    at.setX(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() - width())));
    at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() - height())));
    move(at);
    show();
  }
  raise();
}

bool HelpPictureWindow::has_drawing() const {
  const DisplayList& list = canvas_->display_list();
  DisplayRecord r;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (parseDisplayRecord(list.record(i), r) &&
        (r.code == kRecLine || r.code == kRecCircle || r.code == kRecArc || r.code == kRecText || r.code == kRecSolid))
      return true;
  return false;
}

}  // namespace vx11
