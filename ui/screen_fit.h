// The room a window has on its screen: the screen's free area less the frame the window system
// adds outside the widget. No window is made larger than that.
#pragma once

#include <QScrollArea>
#include <QSize>


class QWidget;

namespace vx11 {

QSize screen_room(const QWidget* window);
// Shrinks the window to the room of its screen (a layout's minimum still holds).
void fit_into_screen(QWidget* window);

// A scroll area around `content` that asks for the content's whole size where the screen has room
// and shows scroll bars only where it has not; `reserve` is the room the window needs besides it
// (its buttons). Framed by nothing: with room it looks as if it were not there.
QScrollArea* screen_sized_area(QWidget* content, QWidget* parent, QSize reserve);

}  // namespace vx11
