// The main window on a scaled screen (the factor comes from QT_SCALE_FACTOR):
// every pixel of the board becomes a block of screen pixels, never a blur, and
// a press on any screen pixel means the board pixel under it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "app/main_form.h"
#include "puzzle_fixture.h"
#include "puzzles/gripple.h"
#include "puzzles/hexagon.h"
#include "puzzles/wedding.h"
#include "state/program_state.h"

namespace blivo {
namespace {

class ScaledWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    form = std::make_unique<TMainForm>(TMainForm::Options{BLIVO_GAME_DIR, PlaceholderDialogs()});
    ASSERT_TRUE(form->created());
    FirstActivation = false;
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents();
    factor = form->devicePixelRatioF();
  }

  QWidget* Box() const { return form->findChild<QWidget*>("box"); }

  // The window as it paints itself for the screen, in device pixels.
  QImage Screen() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  // Presses at the centre of one screen pixel of the board.
  void PressAtDevicePixel(Qt::MouseButton button, int dx, int dy) {
    const QPointF local((dx + 0.5) / factor, (dy + 0.5) / factor);
    QMouseEvent press(QEvent::MouseButtonPress, local, Box()->mapToGlobal(local), button, button, Qt::NoModifier);
    QApplication::sendEvent(Box(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, Box()->mapToGlobal(local), button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(Box(), &release);
  }

  // The first screen pixel whose centre lies in board column x (or row).
  int FirstDevicePixelOf(int x) const { return static_cast<int>(std::ceil(x * factor - 0.5)); }

  // Every screen pixel of the board shows a pixel of the board bitmap: at an
  // integer factor exactly the one under it, at any other one of its
  // neighbours, and never a colour mixed from them.
  ::testing::AssertionResult BoardShownCrisply() const {
    const QImage shot = Screen();
    const int top = static_cast<int>(std::lround(33 * factor));
    const Bitmap& board = BoardScreen.bitmap;
    const bool whole = std::abs(factor - std::round(factor)) < 1e-9;
    for (int dy = 0; dy < static_cast<int>(333 * factor); ++dy)
      for (int dx = 0; dx < static_cast<int>(500 * factor); ++dx) {
        const QRgb shown = shot.pixel(dx, top + dy) & 0xFFFFFF;
        const int sx = std::min(static_cast<int>(dx / factor), 499), sy = std::min(static_cast<int>(dy / factor), 332);
        if (whole) {
          if (shown != board.pixel(sx, sy))
            return ::testing::AssertionFailure() << "screen pixel " << dx << "," << dy << " is not board pixel " << sx
                                                 << "," << sy;
          continue;
        }
        bool found = false;
        for (int ny = std::max(sy - 1, 0); ny <= std::min(sy + 1, 332) && !found; ++ny)
          for (int nx = std::max(sx - 1, 0); nx <= std::min(sx + 1, 499) && !found; ++nx)
            found = shown == board.pixel(nx, ny);
        if (!found) return ::testing::AssertionFailure() << "screen pixel " << dx << "," << dy << " is a mixed colour";
      }
    return ::testing::AssertionSuccess();
  }

  QTemporaryDir config;
  std::unique_ptr<TMainForm> form;
  qreal factor = 1;
};

TEST_F(ScaledWindow, TheWholeWindowGrowsByTheFactor) {
  EXPECT_GT(factor, 1.0) << "run with QT_SCALE_FACTOR above 1";
  EXPECT_EQ(form->size(), QSize(500, 366)) << "the layout keeps the game's own pixels";
  const QImage shot = Screen();
  EXPECT_NEAR(shot.width(), 500 * factor, 1.0);
  EXPECT_NEAR(shot.height(), 366 * factor, 1.0);
  EXPECT_EQ(form->button("BlivoBtn")->geometry(), QRect(468, 4, 29, 25));
}

TEST_F(ScaledWindow, TheBoardAndEveryFrameOfAMoveStayCrisp) {
  EXPECT_TRUE(BoardShownCrisply()) << "after the first paint";
  GrippleBoard = {{{1, 2, 3, 4}, {2, 3, 4, 1}, {3, 4, 1, 2}, {4, 1, 2, 3}}};
  form->update();
  QCoreApplication::processEvents();
  const BoardPoint centre = GrippleRotorCentre(3);
  PressAtDevicePixel(Qt::LeftButton, FirstDevicePixelOf(centre.x), FirstDevicePixelOf(centre.y));
  EXPECT_EQ(GameState[Gripple], Running) << "the press turned the middle plate";
  EXPECT_TRUE(BoardShownCrisply()) << "after a move drawn piece by piece";
}

TEST_F(ScaledWindow, APressMeansTheBoardPixelUnderIt) {
  // Gripple's plates take presses strictly inside centre +- 20.
  const BoardPoint centre = GrippleRotorCentre(1);
  const int lastInside = FirstDevicePixelOf(centre.x + 20) - 1;
  PressAtDevicePixel(Qt::LeftButton, FirstDevicePixelOf(centre.x + 20), FirstDevicePixelOf(centre.y));
  EXPECT_EQ(GameState[Gripple], Ready) << "the first screen pixel of board column " << centre.x + 20 << " is outside";
  PressAtDevicePixel(Qt::LeftButton, lastInside, FirstDevicePixelOf(centre.y));
  EXPECT_EQ(GameState[Gripple], Running) << "the last screen pixel of board column " << centre.x + 19 << " is inside";

  // Wedding: board column 249 turns the left ring, 250 the right one.
  form->SelectPuzzle(Wedding);
  for (const auto& [column, ring] : {std::pair{249, 1}, std::pair{250, 2}}) {
    for (int edge : {FirstDevicePixelOf(column), FirstDevicePixelOf(column + 1) - 1}) {
      const auto before = WeddingBoard;
      PressAtDevicePixel(Qt::LeftButton, edge, FirstDevicePixelOf(100));
      int leftChanged = 0, rightChanged = 0;
      for (int j = 0; j < WeddingVariants(WeddingVariant).ballsPerRing; ++j) {
        leftChanged += before[WeddingRings[0][j]] != WeddingBoard[WeddingRings[0][j]];
        rightChanged += before[WeddingRings[1][j]] != WeddingBoard[WeddingRings[1][j]];
      }
      // A turn moves the balls of its own ring; the other ring changes at most at the crossings.
      if (ring == 1)
        EXPECT_GT(leftChanged, rightChanged) << "screen pixel " << edge << " of column " << column;
      else
        EXPECT_GT(rightChanged, leftChanged) << "screen pixel " << edge << " of column " << column;
    }
  }
}

TEST_F(ScaledWindow, TheOptionButtonReadsItsDiagonalInTheGamesPixels) {
  form->SelectPuzzle(Hexagon);
  HexagonVariant = 1;
  QWidget* option = form->button("OptionBtn");
  // Just above the diagonal at (12, 12): the next variant.
  const QPointF above(12.9, 12.1);
  QMouseEvent press(QEvent::MouseButtonPress, above, option->mapToGlobal(above), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(option, &press);
  EXPECT_EQ(HexagonVariant, 1) << "12.9, 12.1 lies on the diagonal's pixel (12, 12): previous, and 1 stays";
  const QPointF right(13.1, 12.9);
  QMouseEvent again(QEvent::MouseButtonPress, right, option->mapToGlobal(right), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(option, &again);
  EXPECT_EQ(HexagonVariant, 2) << "pixel (13, 12) is above the diagonal";
}

}  // namespace
}  // namespace blivo
