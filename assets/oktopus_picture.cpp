// b3.bmp: nine plate places, the plate in its three turning frames, and the
// buttons in eight colours.
#include <cmath>
#include <numbers>

#include "assets/paint_kit.h"
#include "assets/pictures.h"
#include "puzzles/oktopus.h"
#include "puzzles/oktopus_sheet.h"

namespace assets {

namespace {

using namespace blivo::oktopus_sheet;

// The middle of a button on the plate's square in the given frame: the arms
// reach there and the sockets lie there, black.
QPointF ButtonCentre(int frame, int slot) {
  const blivo::BoardPoint b = blivo::OktopusButtonCentre(frame, slot);
  return QPointF(b.x + 0.5, b.y + 0.5);
}

constexpr QPointF kHub(49.5, 50.5);
constexpr double kPlateRadius = 47.5;

QImage PaintPlate(int frame) {
  QImage canvas = Canvas(kPlateSize, kPlateSize);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient metal(kHub, kPlateRadius, kHub - QPointF(16, 18));
  metal.setColorAt(0.0, QColor(0xd9, 0xdf, 0xe8));
  metal.setColorAt(0.7, QColor(0x7c, 0x86, 0x98));
  metal.setColorAt(1.0, QColor(0x34, 0x3a, 0x48));
  p.setPen(Qt::NoPen);
  p.setBrush(metal);
  p.drawEllipse(kHub, kPlateRadius, kPlateRadius);
  p.setPen(QPen(QColor(0x22, 0x26, 0x30), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(kHub, kPlateRadius - 4, kPlateRadius - 4);
  // Eight arms from the head to the buttons: they turn with the plate.
  for (int slot = 0; slot < 8; ++slot) {
    const QPointF tip = ButtonCentre(frame, slot);
    QLinearGradient arm(kHub, tip);
    arm.setColorAt(0, QColor(0x8a, 0x2c, 0x5c));
    arm.setColorAt(1, QColor(0xd0, 0x64, 0x94));
    p.setPen(QPen(QBrush(arm), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kHub, tip);
  }
  p.setPen(Qt::NoPen);
  QRadialGradient head(kHub, 15, kHub - QPointF(5, 6));
  head.setColorAt(0, QColor(0xf4, 0xa8, 0xc8));
  head.setColorAt(1, QColor(0x7a, 0x20, 0x4c));
  p.setBrush(head);
  p.drawEllipse(kHub, 14, 14);
  // The head's two eyes look the way the plate has turned.
  const double turn = -frame * std::numbers::pi / 12;
  for (int side : {-1, 1}) {
    const QPointF eye = kHub + QPointF(5 * side * std::cos(turn) + 3 * std::sin(turn),
                                       -3 * std::cos(turn) + 5 * side * std::sin(turn));
    p.setBrush(Qt::white);
    p.drawEllipse(eye, 3, 3);
    p.setBrush(Qt::black);
    p.drawEllipse(eye + QPointF(0.6, 0.6), 1.4, 1.4);
  }
  // The sockets the buttons sit in: black, so a button shows as it is.
  p.setBrush(Qt::black);
  for (int slot = 0; slot < 8; ++slot) p.drawEllipse(ButtonCentre(frame, slot), 7.2, 7.2);
  return canvas;
}

QImage PaintButton(int colour) {
  QImage canvas = Canvas(kButtonSize, kButtonSize);
  QPainter p(&canvas);
  PaintBall(p, QRectF(0.3, 0.3, 12.4, 12.4), PieceColour(colour));
  PaintMarking(p, QPointF(6.5, 6.6), 5.5, colour, PieceColour(colour).darker(230));
  return canvas;
}

void PaintPlaces(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 9; ++i) {
    const blivo::BoardPoint corner = blivo::OktopusPlateCorner(i);
    const QPointF hub(corner.x + kHub.x(), corner.y + kHub.y());
    QRadialGradient socket(hub, kPlateRadius + 3);
    socket.setColorAt(0.85, QColor(0x05, 0x0a, 0x1c));
    socket.setColorAt(1.0, QColor(0x05, 0x0a, 0x1c, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(socket);
    p.drawEllipse(hub, kPlateRadius + 3, kPlateRadius + 3);
  }
}

}  // namespace

QImage PaintOktopusPicture() {
  QImage sheet =
      BoardSheet(kWidth, kHeight, BoardGround(QColor(0x06, 0x1c, 0x3c), QColor(0x2c, 0x74, 0xa8), 37, 45.0));
  {
    QPainter p(&sheet);
    p.setClipRect(0, 0, blivo::kBoardWidth, blivo::kBoardHeight);
    PaintPlaces(p);
    PaintTitle(p, ToRectF(kTitle), "O\nK\nT\nO\nP\nU\nS", 26, kTitleGold);
  }
  for (int f = 0; f < 3; ++f) {
    const Sprite plate = SplitSprite(PaintPlate(f));
    Place(sheet, Plate(f), plate.picture);
    Place(sheet, PlateMask(f), plate.mask);
  }
  for (int c = 0; c < 8; ++c) Place(sheet, Button(c), SplitSprite(PaintButton(c)).picture);
  return sheet;
}

}  // namespace assets
