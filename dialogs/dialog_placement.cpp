#include "dialogs/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "platform/window_frames.h"

namespace blivo {

namespace {

// The dialog's client rectangle by rule, with the frames as the window manager
// reports them; a framed dialog it has not framed yet is taken to get the
// frame the main window has.
QRect DialogPlace(QWidget& dialog, QWidget& main, Placement rule) {
  const QMargins mainFrame = FrameExtents(main).value_or(QMargins());
  const bool framed = !(dialog.windowFlags() & Qt::FramelessWindowHint);
  const QMargins frame = framed ? FrameExtents(dialog).value_or(mainFrame) : QMargins();
  const QPoint corner = DialogCorner(rule, main.geometry().marginsAdded(mainFrame), main.height(), dialog.size().grownBy(frame));
  return {corner + QPoint(frame.left(), frame.top()), dialog.size()};
}

// Holds a dialog at its place while the window manager takes it over: once
// its own frame is known the place is worked out again, and a window manager
// that put the dialog elsewhere sees it put back.
class PlacementKeeper : public QObject {
 public:
  static constexpr const char* kName = "PlacementKeeper";

  PlacementKeeper(QWidget& dialog, QWidget& main, Placement rule)
      : QObject(&dialog), dialog_(dialog), main_(main), rule_(rule) {
    setObjectName(kName);
    clock_.start();
    dialog.installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (clock_.elapsed() > kWatchMilliseconds || corrections_ >= kMostCorrections) {
      deleteLater();
      return false;
    }
    if (event->type() == QEvent::Move || event->type() == QEvent::Expose) {
      const QRect place = DialogPlace(dialog_, main_, rule_);
      if (dialog_.geometry().topLeft() != place.topLeft()) {
        ++corrections_;
        QTimer::singleShot(0, &dialog_, [dialog = &dialog_, place] { dialog->setGeometry(place); });
      }
    }
    return false;
  }

 private:
  static constexpr int kWatchMilliseconds = 1000;
  static constexpr int kMostCorrections = 3;
  QWidget& dialog_;
  QWidget& main_;
  Placement rule_;
  QElapsedTimer clock_;
  int corrections_ = 0;
};

}  // namespace

QPoint DialogCorner(Placement rule, const QRect& mainOuter, int mainClientHeight, QSize dialog) {
  // Integer division truncates toward zero, as the rules are written.
  const int left = mainOuter.left() + (mainOuter.width() - dialog.width()) / 2;
  if (rule == Placement::OverWindow) return {left, mainOuter.top() + (mainOuter.height() - dialog.height()) / 2};
  return {left, mainOuter.top() + mainOuter.height() - (mainClientHeight + dialog.height()) / 2};
}

void PlaceDialog(QWidget& dialog, QWidget& main, Placement rule) {
  if (!WindowPositionsApply()) return;
  dialog.setGeometry(DialogPlace(dialog, main, rule));
  delete dialog.findChild<QObject*>(PlacementKeeper::kName, Qt::FindDirectChildrenOnly);
  new PlacementKeeper(dialog, main, rule);
}

QPoint ScreenCentre(QSize size) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect area = screen->geometry();
  return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
}

}  // namespace blivo
