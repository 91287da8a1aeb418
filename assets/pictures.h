// Every picture file the game reads, each painted by one function.
#pragma once

#include <QImage>
#include <QString>
#include <map>

namespace assets {

QImage PaintGripplePicture();   // b1.bmp
QImage PaintHexagonPicture();   // b2.bmp
QImage PaintOktopusPicture();   // b3.bmp
QImage PaintWeddingPicture();   // b4.bmp
QImage PaintDigitStrip();       // the clock's eleven cells
QImage PaintDialogPicture();    // the marbled ground of the small dialogs
QImage PaintToolBar();          // the tool bar's ground
QImage PaintIcon(int size);     // the window icon
// The tool-bar glyphs by name.
std::map<QString, QImage> PaintGlyphs();
// The glyphs of the dialogs' buttons by name.
std::map<QString, QImage> PaintDialogGlyphs();
QImage PaintLips(int size);  // the language glyph, square
QImage PaintSplash();      // 200 x 150, the title picture
QImage PaintMakerLogo();   // 100 x 75

}  // namespace assets
