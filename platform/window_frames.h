// How the desktop frames and places the game's windows.
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace blivo {

// False where the compositor alone places windows (Wayland): the game then
// neither moves its windows nor keeps their positions.
bool WindowPositionsApply();

// The frame the window manager puts around window (title bar and borders), in
// the window's own pixels, as the window manager reports it. Nothing while a
// window manager has not framed the window yet; no window manager, no frame.
std::optional<QMargins> FrameExtents(QWidget& window);

}  // namespace blivo
