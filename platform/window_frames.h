// How the desktop frames and places the game's windows.
#pragma once

#include <QMargins>

class QWidget;

namespace blivo {

// False where the compositor alone places windows (Wayland): the game then
// neither moves its windows nor keeps their positions.
bool WindowPositionsApply();

// The frame the window manager puts around window (title bar and borders), in
// the window's own pixels. Taken from what the window manager reports; a window
// it has not framed yet is asked for first, with a short bounded wait. No
// window manager, no frame.
QMargins FrameExtents(QWidget& window);

}  // namespace blivo
