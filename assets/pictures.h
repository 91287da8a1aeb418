// Every picture the game shows, each painted by one function.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <map>

namespace assets {

// The board pictures, read from the program folder.
QImage PaintGripplePicture();   // b1.bmp
QImage PaintHexagonPicture();   // b2.bmp
QImage PaintOktopusPicture();   // b3.bmp
QImage PaintWeddingPicture();   // b4.bmp

// The pictures built into the program.
QImage PaintDigitStrip();       // the clock's eleven cells
QImage PaintDialogPicture();    // the marbled ground of the small dialogs
QImage PaintToolBar();          // the tool bar's ground
QImage PaintSplash();           // 200 x 150, the title picture
// The game's icon, size x size pixels, and the same drawn into a rectangle.
QImage PaintIcon(int size);
void DrawIcon(QPainter& p, const QRectF& into);
// The same icon as a scalable picture (SVG) for the desktop's icon theme.
QByteArray IconSvg();
// Glyphs are painted in their own logical pixels at a device scale (1 for a
// plain screen, 2 for one that doubles every pixel, ...).
// The tool-bar glyphs by name.
std::map<QString, QImage> PaintGlyphs(int scale);
// The glyphs and pictures of the dialogs by name (buttons, flags, the maker's logo).
std::map<QString, QImage> PaintDialogGlyphs(int scale);
QImage PaintLips(int size, int scale);  // the language glyph, square
QImage PaintMakerLogo(int scale);       // 100 x 75

}  // namespace assets
