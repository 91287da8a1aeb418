// Wedding: its tables against their geometry, and whole moves on a headless board.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "puzzle_fixture.h"
#include "puzzles/wedding.h"
#include "puzzles/wedding_sheet.h"

namespace blivo {
namespace {

using testing::ComposeSprite;
using testing::Difference;

BoardPoint Position(int v, int r, int j) {
  return WeddingBallCentre(r, 45 + j * static_cast<double>(WeddingVariants(v).stepAngle));
}

TEST(WeddingTables, TheRingsMeetOnTheCrossingCellsAndNowhereElse) {
  for (int v = 1; v <= 4; ++v) {
    const int n = WeddingVariants(v).ballsPerRing;
    std::map<std::pair<int, int>, std::set<int>> cellsAt;
    for (int r = 1; r <= 2; ++r)
      for (int j = 0; j < n; ++j) {
        const BoardPoint p = Position(v, r, j);
        cellsAt[{p.x, p.y}].insert(WeddingRingList(v, r)[j]);
      }
    int shared = 0;
    for (const auto& [point, cells] : cellsAt) {
      ASSERT_EQ(cells.size(), 1u) << "variant " << v << ": one cell per point";
      if (point == std::pair{249, 95}) {
        EXPECT_EQ(*cells.begin(), 1);
      }
      if (point == std::pair{249, 237}) {
        EXPECT_EQ(*cells.begin(), WeddingVariants(v).secondCrossing);
      }
    }
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < n; ++k)
        if (Position(v, 1, j) == Position(v, 2, k)) {
          ++shared;
          EXPECT_EQ(WeddingRingList(v, 1)[j], WeddingRingList(v, 2)[k]);
        }
    EXPECT_EQ(shared, 2) << "variant " << v;
    EXPECT_EQ(Position(v, 1, 0), (BoardPoint{249, 95}));
    EXPECT_EQ(Position(v, 2, n / 4), (BoardPoint{249, 95}));
    EXPECT_EQ(Position(v, 1, 3 * n / 4), (BoardPoint{249, 237}));
    EXPECT_EQ(Position(v, 2, n / 2), (BoardPoint{249, 237}));
  }
}

TEST(WeddingTables, VariantOnePositionsAsDrawn) {
  const BoardPoint ring1[12] = {{249, 95}, {204, 69}, {152, 69}, {107, 95}, {81, 140}, {81, 192},
                                  {107, 237}, {152, 263}, {204, 263}, {249, 237}, {275, 192}, {275, 140}};
  for (int j = 0; j < 12; ++j) {
    EXPECT_EQ(Position(1, 1, j), ring1[j]) << j;
    EXPECT_EQ(Position(1, 2, j), (BoardPoint{ring1[j].x + 142, ring1[j].y})) << j;
  }
}

TEST(WeddingTables, EveryCellStandsInARingAndTheTargetsCountRight) {
  for (int v = 1; v <= 4; ++v) {
    const int n = WeddingVariants(v).ballsPerRing;
    std::map<int, int> lists;
    for (int r = 1; r <= 2; ++r)
      for (int j = 0; j < 24; ++j) {
        const int cell = WeddingRingList(v, r)[j];
        if (j >= n) {
          EXPECT_EQ(cell, 0);
          continue;
        }
        ++lists[cell];
      }
    EXPECT_EQ(static_cast<int>(lists.size()), 2 * n - 2);
    for (const auto& [cell, count] : lists) {
      EXPECT_GE(cell, 1);
      EXPECT_LE(cell, 2 * n - 2);
      const bool crossing = cell == 1 || cell == WeddingVariants(v).secondCrossing;
      EXPECT_EQ(count, crossing ? 2 : 1) << "variant " << v << " cell " << cell;
    }
    std::map<int, int> colours;
    for (int c = 1; c <= 46; ++c) ++colours[WeddingTarget(v, c)];
    EXPECT_EQ(colours[1], n / 2 - 1);
    EXPECT_EQ(colours[2], n / 2);
    EXPECT_EQ(colours[3], n / 2);
    EXPECT_EQ(colours[4], n / 2 - 1);
    EXPECT_EQ(colours[0], 46 - (2 * n - 2));
  }
}

TEST(WeddingTables, TheFramesDivideAStepIntoThirdsAndTheStepsMakeAFullTurn) {
  for (int v = 1; v <= kWeddingVariantCount; ++v) {
    const WeddingVariantInfo& info = WeddingVariants(v);
    EXPECT_FLOAT_EQ(3 * info.frameAngle, info.stepAngle) << "variant " << v;
    EXPECT_FLOAT_EQ(info.ballsPerRing * info.stepAngle, 360.0f) << "variant " << v;
  }
}

TEST(WeddingClick, TheHalvesOfTheBoardChooseTheRing) {
  EXPECT_EQ(WeddingRingAt(0), 1);
  EXPECT_EQ(WeddingRingAt(249), 1);
  EXPECT_EQ(WeddingRingAt(250), 2);
  EXPECT_EQ(WeddingRingAt(499), 2);
}

class WeddingBoardTest : public testing::PuzzleBoard {
 protected:
  void SetUp() override {
    Use(Wedding, "b4.bmp");
    WeddingVariant = 1;
  }

  std::map<int, int> Colours() const {
    std::map<int, int> count;
    for (int c = 1; c <= 46; ++c) ++count[WeddingBoard[c]];
    return count;
  }
};

TEST_F(WeddingBoardTest, StepsRestoreAndMoveTheCrossingsAlongTheTurnedRing) {
  for (int v = 1; v <= 4; ++v) {
    WeddingVariant = v;
    WeddingMix();
    const int n = WeddingVariants(v).ballsPerRing;
    for (int c = 1; c <= 2 * n - 2; ++c) WeddingBoard[c] = static_cast<std::uint8_t>(c);
    const auto board = WeddingBoard;
    WeddingStepForward(1);
    for (int j = 0; j < n; ++j)
      EXPECT_EQ(WeddingBoard[WeddingRings[0][(j + 1) % n]], board[WeddingRings[0][j]]);
    for (int j = 0; j < n; ++j) {
      const int cell = WeddingRings[1][j];
      if (cell != 1 && cell != WeddingVariants(v).secondCrossing) {
        EXPECT_EQ(WeddingBoard[cell], board[cell]);
      }
    }
    // The right ring now holds on its crossings what the left ring brought there.
    EXPECT_EQ(WeddingBoard[WeddingRings[1][n / 4]], board[WeddingRings[0][n - 1]]);
    WeddingStepBack(1);
    EXPECT_EQ(WeddingBoard, board);
    for (int i = 0; i < n; ++i) WeddingStepForward(2);
    EXPECT_EQ(WeddingBoard, board);
  }
}

TEST_F(WeddingBoardTest, MixKeepsTheCountsAndShowsTheTarget) {
  for (int v = 1; v <= 4; ++v) {
    WeddingVariant = v;
    GameState[Wedding] = Running;
    WeddingMix();
    EXPECT_EQ(GameState[Wedding], Ready);
    const int n = WeddingVariants(v).ballsPerRing;
    std::map<int, int> colours = Colours();
    EXPECT_EQ(colours[0], 46 - (2 * n - 2)) << "unused cells stay empty";
    EXPECT_EQ(colours[1], n / 2 - 1);
    EXPECT_EQ(colours[2], n / 2);
    EXPECT_EQ(colours[3], n / 2);
    EXPECT_EQ(colours[4], n / 2 - 1);
    const Rect spot = wedding_sheet::kTargetSpot, target = wedding_sheet::Target(v);
    for (int y = 0; y < target.h; ++y)
      for (int x = 0; x < target.w; ++x)
        ASSERT_EQ(BackgroundBitmap.pixel(spot.x + x, spot.y + y), BackgroundBitmap.pixel(target.x + x, target.y + y));
  }
}

// The ring area as a frame of ring 2's turn must look: ring 1's own balls at
// rest, ring 2's balls, the crossings among them, moved on by the frame.
Bitmap ExpectedFrame(int f) {
  const WeddingVariantInfo& v = WeddingVariants(WeddingVariant);
  Bitmap expected = BackgroundBitmap;
  for (int r = 1; r <= 2; ++r)
    for (int j = 0; j < v.ballsPerRing; ++j) {
      const int cell = WeddingRings[r - 1][j];
      if (r == 1 && (cell == 1 || cell == v.secondCrossing)) continue;
      const double angle = 45 + j * static_cast<double>(v.stepAngle) + (r == 2 ? f * static_cast<double>(v.frameAngle) : 0);
      const BoardPoint c = WeddingBallCentre(r, angle);
      ComposeSprite(expected, c.x - v.balls.half(), c.y - v.balls.half(), v.balls.Mask(),
                    v.balls.Ball(WeddingBoard[cell]), BackgroundBitmap);
    }
  return expected;
}

TEST_F(WeddingBoardTest, CrossingBallsTravelOnlyWithTheTurnedRing) {
  for (int variant : {1, 4}) {
    WeddingVariant = variant;
    WeddingMix();
    WeddingDraw();
    const Bitmap before = BoardScreen.bitmap;
    const auto board = WeddingBoard;
    host.frames.clear();
    WeddingMouseLeft(250);
    ASSERT_EQ(host.frames.size(), 2u);
    WeddingBoard = board;  // the frames were drawn with the old arrangement
    for (int f = 1; f <= 2; ++f) {
      const Bitmap expected = ExpectedFrame(f);
      for (int y = 30; y < 300; ++y)
        for (int x = 50; x < 450; ++x)
          ASSERT_EQ(host.frames[f - 1].pixel(x, y), expected.pixel(x, y)) << "variant " << variant << " frame " << f << " at " << x << "," << y;
    }
    WeddingStepForward(2);
    WeddingMouseRight(400);
    WeddingStepBack(2);
    EXPECT_EQ(Difference(before, BoardScreen.bitmap), Rect{});
  }
}

TEST_F(WeddingBoardTest, EveryClickTurnsARingAndStartsTheClock) {
  WeddingMix();
  const auto board = WeddingBoard;
  WeddingMouseLeft(10);
  EXPECT_EQ(GameState[Wedding], Running);
  EXPECT_EQ(host.waves, std::vector<int>{5});
  EXPECT_EQ(host.delays, std::vector<std::uint32_t>(2, 30));
  WeddingMouseRight(249);
  EXPECT_EQ(WeddingBoard, board);
  for (int i = 0; i < 12; ++i) WeddingMouseLeft(499);
  EXPECT_EQ(WeddingBoard, board);
}

TEST_F(WeddingBoardTest, OptionStepsWithoutWrappingAndShowsTheNewTarget) {
  WeddingMix();
  GameState[Wedding] = Running;
  const auto board = WeddingBoard;
  WeddingOption(false);
  EXPECT_EQ(WeddingVariant, 1);
  EXPECT_EQ(WeddingBoard, board);
  EXPECT_EQ(GameState[Wedding], Running);
  EXPECT_TRUE(shown.empty());
  for (int v = 2; v <= 4; ++v) {
    WeddingOption(true);
    EXPECT_EQ(WeddingVariant, v);
    EXPECT_EQ(GameState[Wedding], Ready);
    const Rect spot = wedding_sheet::kTargetSpot, target = wedding_sheet::Target(v);
    for (int y = 0; y < target.h; ++y)
      for (int x = 0; x < target.w; ++x)
        ASSERT_EQ(BoardScreen.bitmap.pixel(spot.x + x, spot.y + y), BackgroundBitmap.pixel(target.x + x, target.y + y));
  }
  shown.clear();
  WeddingOption(true);
  EXPECT_EQ(WeddingVariant, 4);
  EXPECT_TRUE(shown.empty());
}

TEST_F(WeddingBoardTest, SolvingRunsTheSolvedSequence) {
  WeddingMix();
  for (int c = 1; c <= 46; ++c) WeddingBoard[c] = static_cast<std::uint8_t>(WeddingTarget(1, c));
  EXPECT_TRUE(WeddingIsSolved());
  WeddingStepForward(2);
  EXPECT_FALSE(WeddingIsSolved());
  GameState[Wedding] = Running;
  WeddingMouseRight(300);
  EXPECT_EQ(host.solvedCalls, 1);
}

}  // namespace
}  // namespace blivo
