#include "dialogs/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/window_frames.h"

namespace blivo {

QPoint DialogCorner(Placement rule, const QRect& mainOuter, int mainClientHeight, QSize dialog) {
  // Integer division truncates toward zero, as the rules are written.
  const int left = mainOuter.left() + (mainOuter.width() - dialog.width()) / 2;
  if (rule == Placement::OverWindow) return {left, mainOuter.top() + (mainOuter.height() - dialog.height()) / 2};
  return {left, mainOuter.top() + mainOuter.height() - (mainClientHeight + dialog.height()) / 2};
}

void PlaceDialog(QWidget& dialog, QWidget& main, Placement rule) {
  if (!WindowPositionsApply()) return;
  const QRect mainOuter = main.geometry().marginsAdded(FrameExtents(main));
  const bool framed = !(dialog.windowFlags() & Qt::FramelessWindowHint);
  const QMargins frame = framed ? FrameExtents(dialog) : QMargins();
  const QPoint corner = DialogCorner(rule, mainOuter, main.height(), dialog.size().grownBy(frame));
  dialog.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), dialog.size()));
}

QPoint ScreenCentre(QSize size) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect area = screen->geometry();
  return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
}

}  // namespace blivo
