// Where each dialog stands when it opens: one of two rules against the main
// window's outer frame, title bar included, as the window manager reports it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace blivo {

enum class Placement {
  // Message and high-score dialogs, which have no frame: centred over the
  // whole main window.
  OverWindow,
  // Language and info dialogs: left centred, top by the client-area rule
  // main top + main height - (main client height + dialog height) / 2.
  OnClientArea,
};

// The outer top-left corner of a dialog of outer size `dialog` by rule.
QPoint DialogCorner(Placement rule, const QRect& mainOuter, int mainClientHeight, QSize dialog);

// Moves dialog, before it shows, to its place over main. Where the compositor
// places windows, nothing is moved.
void PlaceDialog(QWidget& dialog, QWidget& main, Placement rule);

// The top-left corner that centres a window of this size on the primary screen.
QPoint ScreenCentre(QSize size);

}  // namespace blivo
