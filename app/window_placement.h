// Where the main window stands: at its first showing from the stored value,
// and what is stored of it at the end of the run.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace blivo {

// The stored outer top-left corner, if the value is usable and puts the title
// bar where it can be reached on one of the screens' areas.
std::optional<QPoint> StoredWindowCorner(const std::string& stored, QSize outerSize, const std::vector<QRect>& screens);

// Places window (not shown yet) by the stored value, else in the middle of the
// primary screen. Nothing is placed where the compositor places windows.
void PlaceMainWindow(QWidget& window, const std::string& stored);
// The value to store for window's place now; nothing where positions are not ours.
std::optional<std::string> MainWindowPlacement(QWidget& window);

}  // namespace blivo
