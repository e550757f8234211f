// A help picture in a window of its own, above the window or dialog that asked for it, drawn on a
// canvas of its own by the same picture code; it closes with that dialog or when the person closes it.
#pragma once

#include <QPointer>
#include <QWidget>

namespace vx11 {

class Canvas;

class HelpPictureWindow : public QWidget {
 public:
  // The picture window of `asker`, made on first use (captioned `title`).
  static HelpPictureWindow& of(QWidget* asker, const QString& title);
  // The one `asker` has, or null.
  static HelpPictureWindow* find(const QWidget* asker);

  Canvas& canvas() { return *canvas_; }
  // Shown beside the asker where the screen has room (else over its corner), and raised.
  void present();
  // Whether the canvas holds anything drawn (a missing picture leaves only its frame).
  bool has_drawing() const;

 private:
  HelpPictureWindow(QWidget* asker, const QString& title);
  Canvas* canvas_;
  QPointer<QWidget> asker_;
};

}  // namespace vx11
