#pragma once
// What a window asks of an X11 window manager beyond what Qt's window flags can say. Elsewhere
// (no X11, or the offscreen platform) these do nothing.
class QWidget;

namespace qtui::x11 {

// A frame of a thin border only: no title bar, no buttons. Qt's flags ask for both or neither.
// Qt writes its own request whenever the window's flags change, so this follows each change.
void askForBorderOnly(QWidget& window);

// Leaves the window out of task bars. Given before the window goes on screen, each time.
void keepOutOfTaskbar(QWidget& window);

}  // namespace qtui::x11
