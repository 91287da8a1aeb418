// What the dialogs share: their fonts, glyphs, the marbled background and the
// two rules by which they place themselves over the main window.
#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QWidget>

namespace blivo {

// The sans font that stands in for the old system fonts, at a pixel height.
QFont SansFont(int pixels, bool bold = false);
// A glyph from the game's glyphs folder; an empty icon (and a line on standard
// error) when it cannot be read.
QIcon Glyph(const char* name);
QPixmap GlyphPixmap(const char* name);

// Copies the bottom-left part of the dialog background onto the whole widget:
// rows 200 - height to 199, columns 0 to width - 1.
void PaintDialogBackground(QWidget& widget, const QImage& background);
// A one-pixel black outline of the rectangle (x, y, w, h).
void PaintOutline(QWidget& widget, int x, int y, int w, int h);

// Centred over the whole main window, title bar included (message dialogs).
QPoint CentredOverWindow(const QWidget& main, const QWidget& dialog);
// Centred on the main window's client area (language and info dialogs).
QPoint CentredOnClientArea(const QWidget& main, const QWidget& dialog);

}  // namespace blivo
