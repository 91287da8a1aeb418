// What the small dialogs share in their look: the marbled background and the
// thin black outlines.
#pragma once

#include <QImage>
#include <QWidget>

namespace blivo {

// Copies the bottom-left part of the dialog background onto the whole widget:
// rows 200 - height to 199, columns 0 to width - 1.
void PaintDialogBackground(QWidget& widget, const QImage& background);
// A one-pixel black outline of the rectangle (x, y, w, h).
void PaintOutline(QWidget& widget, int x, int y, int w, int h);

}  // namespace blivo
