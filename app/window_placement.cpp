#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/common_settings.h"
#include "platform/window_frames.h"

namespace blivo {

namespace {

// A title bar this high and at least this wide on a screen can be grabbed.
constexpr int kTitleHeight = 30;
constexpr int kReachableWidth = 60;

}  // namespace

std::optional<QPoint> StoredWindowCorner(const std::string& stored, QSize outerSize, const std::vector<QRect>& screens) {
  const auto placement = ParseWindowPlacement(stored);
  if (!placement) return std::nullopt;
  const QRect title(placement->left, placement->top, outerSize.width(), kTitleHeight);
  for (const QRect& area : screens)
    if (area.intersected(title).width() >= kReachableWidth) return QPoint(placement->left, placement->top);
  return std::nullopt;
}

void PlaceMainWindow(QWidget& window, const std::string& stored) {
  if (!WindowPositionsApply()) return;
  // Before its first showing the window has no frame yet; a window manager
  // puts the frame's corner where the window is moved to.
  const QSize outer = window.size().grownBy(FrameExtents(window).value_or(QMargins()));
  std::vector<QRect> areas;
  for (QScreen* screen : QGuiApplication::screens()) areas.push_back(screen->availableGeometry());
  QPoint corner;
  if (const auto kept = StoredWindowCorner(stored, outer, areas)) {
    corner = *kept;
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    corner = {area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2};
  } else {
    return;
  }
  window.move(corner);
}

std::optional<std::string> MainWindowPlacement(QWidget& window) {
  if (!WindowPositionsApply()) return std::nullopt;
  const QRect outer = window.geometry().marginsAdded(FrameExtents(window).value_or(QMargins()));
  return FormatWindowPlacement({outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height()});
}

}  // namespace blivo
