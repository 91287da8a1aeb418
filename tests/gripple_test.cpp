// Gripple: its tables against their geometry, and whole moves on a headless board.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "puzzle_fixture.h"
#include "puzzles/gripple.h"
#include "puzzles/gripple_sheet.h"

namespace blivo {
namespace {

using testing::ComposeSprite;
using testing::Difference;

std::map<int, int> CountColours(const GrippleGrid& g) {
  std::map<int, int> count;
  for (const auto& column : g)
    for (std::uint8_t v : column) ++count[v];
  return count;
}

TEST(GrippleTables, EveryPatternHoldsFourOfEachClass) {
  for (int n = 1; n <= 50; ++n) {
    std::map<int, int> count;
    for (int c = 1; c <= 4; ++c)
      for (int r = 1; r <= 4; ++r) ++count[GripplePatternClass(n, c, r)];
    EXPECT_EQ(count, (std::map<int, int>{{1, 4}, {2, 4}, {3, 4}, {4, 4}})) << "pattern " << n;
  }
}

TEST(GrippleTables, ColourOrdersAreTheTwentyFourPermutations) {
  std::set<std::array<int, 4>> orders;
  for (int o = 0; o < 24; ++o) {
    std::array<int, 4> order{};
    for (int k = 1; k <= 4; ++k) order[k - 1] = GrippleColourOrder(o, k);
    std::set<int> used(order.begin(), order.end());
    EXPECT_EQ(used, (std::set<int>{1, 2, 3, 4}));
    orders.insert(order);
  }
  EXPECT_EQ(orders.size(), 24u);
}

TEST(GrippleTables, PlatesCoverTheirBlockAndCentreOnIt) {
  std::map<std::pair<int, int>, int> owners;
  for (int p = 1; p <= 5; ++p) {
    const auto cells = GrippleRotorCells(p);
    const BoardPoint centre = GrippleRotorCentre(p);
    // The plate's centre is where its four pieces meet.
    EXPECT_EQ(centre.x, (60 * cells[0].c + 15 + 60 * cells[3].c + 15) / 2);
    EXPECT_EQ(centre.y, (60 * cells[0].r + 15 + 60 * cells[3].r + 15) / 2);
    for (int k = 0; k < 4; ++k) {
      ++owners[{cells[k].c, cells[k].r}];
      // Frame 0 puts each piece on its own cell.
      const BoardPoint offset = GrippleFrameOffset(0, k);
      EXPECT_EQ(centre.x + offset.x, 60 * cells[k].c + 15);
      EXPECT_EQ(centre.y + offset.y, 60 * cells[k].r + 15);
    }
  }
  EXPECT_EQ(owners.size(), 16u);
  for (const auto& [cell, n] : owners) {
    const bool middle = cell.first >= 2 && cell.first <= 3 && cell.second >= 2 && cell.second <= 3;
    EXPECT_EQ(n, middle ? 2 : 1);
  }
}

TEST(GrippleTables, EveryFrameKeepsThePiecesInsideThePlateSquare) {
  for (int f = 0; f <= 5; ++f)
    for (int k = 0; k < 4; ++k) {
      const BoardPoint o = GrippleFrameOffset(f, k);
      EXPECT_GE(o.x - 25, -65);
      EXPECT_LE(o.x + 24, 64);
      EXPECT_GE(o.y - 25, -65);
      EXPECT_LE(o.y + 24, 64);
    }
}

TEST(GrippleHit, StrictSquareOfThirtyNineAroundEachCentre) {
  struct Case {
    int x, y, plate;
  } cases[] = {
      {105, 105, 1}, {86, 86, 1},   {124, 124, 1}, {85, 105, 0},  {125, 105, 0},
      {105, 85, 0},  {105, 125, 0}, {225, 105, 2}, {165, 165, 3}, {146, 184, 3},
      {105, 225, 4}, {225, 225, 5}, {244, 244, 5}, {40, 40, 0},   {290, 290, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(GrippleHitPlate(c.x, c.y), c.plate) << c.x << "," << c.y;
}

class GrippleBoardTest : public testing::PuzzleBoard {
 protected:
  void SetUp() override { Use(Gripple, "b1.bmp"); }

  static GrippleGrid Numbered() {
    GrippleGrid g{};
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 4; ++r) g[c][r] = static_cast<std::uint8_t>(1 + c * 4 + r);
    return g;
  }
};

TEST_F(GrippleBoardTest, TurnsFollowTheCellCycles) {
  // Left button: (1,1) -> (1,2) -> (2,2) -> (2,1) -> (1,1) for plate 1, and so on.
  const int cycles[5][4][2] = {
      {{1, 1}, {1, 2}, {2, 2}, {2, 1}}, {{3, 1}, {3, 2}, {4, 2}, {4, 1}}, {{2, 2}, {2, 3}, {3, 3}, {3, 2}},
      {{1, 3}, {1, 4}, {2, 4}, {2, 3}}, {{3, 3}, {3, 4}, {4, 4}, {4, 3}}};
  for (int p = 1; p <= 5; ++p) {
    GrippleBoard = Numbered();
    const GrippleGrid before = GrippleBoard;
    GrippleTurnLeft(p);
    for (int i = 0; i < 4; ++i) {
      const auto* from = cycles[p - 1][i];
      const auto* to = cycles[p - 1][(i + 1) % 4];
      EXPECT_EQ(GrippleBoard[to[0] - 1][to[1] - 1], before[from[0] - 1][from[1] - 1]) << "plate " << p;
    }
    GrippleTurnRight(p);
    EXPECT_EQ(GrippleBoard, before) << "right undoes left, plate " << p;
  }
}

// The rest place of a plate that lies nearest to an offset from its centre.
int NearestPosition(BoardPoint offset) {
  std::vector<BoardPoint> rest;
  for (int k = 0; k < 4; ++k) rest.push_back(GrippleFrameOffset(0, k));
  return testing::Nearest(rest, offset);
}

TEST_F(GrippleBoardTest, TheFramesCarryEachPieceFromItsPlaceTowardsTheOneTheLeftTurnGivesIt) {
  for (int p = 1; p <= 5; ++p) {
    GrippleBoard = Numbered();
    const GrippleGrid before = GrippleBoard;
    GrippleTurnLeft(p);
    const auto cells = GrippleRotorCells(p);
    for (int k = 0; k < 4; ++k) {
      int to = -1;
      for (int j = 0; j < 4; ++j)
        if (GrippleBoard[cells[j].c - 1][cells[j].r - 1] == before[cells[k].c - 1][cells[k].r - 1]) to = j;
      EXPECT_EQ(NearestPosition(GrippleFrameOffset(1, k)), k) << "plate " << p << " position " << k;
      EXPECT_EQ(NearestPosition(GrippleFrameOffset(5, k)), to) << "plate " << p << " position " << k;
    }
  }
}

TEST_F(GrippleBoardTest, FourTurnsRestoreAndOthersStayPut) {
  for (int p = 1; p <= 5; ++p) {
    GrippleBoard = Numbered();
    const GrippleGrid before = GrippleBoard;
    GrippleTurnLeft(p);
    int moved = 0;
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 4; ++r) moved += GrippleBoard[c][r] != before[c][r];
    EXPECT_EQ(moved, 4);
    for (int i = 0; i < 3; ++i) GrippleTurnLeft(p);
    EXPECT_EQ(GrippleBoard, before);
    for (int i = 0; i < 4; ++i) GrippleTurnRight(p);
    EXPECT_EQ(GrippleBoard, before);
  }
}

TEST_F(GrippleBoardTest, MixNeverRepeatsThePatternAndKeepsFourOfEachColour) {
  GrippleInit();
  EXPECT_NE(GripplePatternNo, 0);
  const std::map<int, int> four{{1, 4}, {2, 4}, {3, 4}, {4, 4}};
  EXPECT_EQ(CountColours(GrippleBoard), four);
  for (int i = 0; i < 500; ++i) {
    const int previous = GripplePatternNo;
    const GrippleGrid board = GrippleBoard;
    GrippleMix();
    ASSERT_NE(GripplePatternNo, previous);
    ASSERT_GE(GripplePatternNo, 1);
    ASSERT_LE(GripplePatternNo, 50);
    ASSERT_EQ(CountColours(GrippleTarget), four);
    ASSERT_EQ(GrippleBoard, board) << "mix leaves the pieces where they are";
  }
}

TEST_F(GrippleBoardTest, MixDrawsNothing) {
  GrippleInit();
  GrippleMix();
  EXPECT_TRUE(shown.empty());
}

// The plate square as the player must see it: background, then the four pieces
// at the frame's places, composed without the raster layer.
Bitmap ExpectedPlate(int p, int f) {
  using namespace gripple_sheet;
  Bitmap expected = BackgroundBitmap;
  const BoardPoint centre = GrippleRotorCentre(p);
  const auto cells = GrippleRotorCells(p);
  for (int k = 0; k < 4; ++k) {
    const BoardPoint at = centre + GrippleFrameOffset(f, k);
    const int v = GrippleBoard[cells[k].c - 1][cells[k].r - 1];
    ComposeSprite(expected, at.x - kPieceSize / 2, at.y - kPieceSize / 2, kPieceMask, Piece(v), BackgroundBitmap);
  }
  return expected;
}

TEST_F(GrippleBoardTest, OnePlateFrameShowsThePiecesOnTheirArc) {
  GrippleBoard = {{{1, 2, 3, 4}, {2, 3, 4, 1}, {3, 4, 1, 2}, {4, 1, 2, 3}}};
  for (int f : {0, 3, 5}) {
    shown.clear();
    GrippleDrawRotor(3, f);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Rect{100, 100, 130, 130}));
    const Bitmap expected = ExpectedPlate(3, f);
    for (int y = 100; y < 230; ++y)
      for (int x = 100; x < 230; ++x)
        ASSERT_EQ(BoardScreen.bitmap.pixel(x, y), expected.pixel(x, y)) << "frame " << f << " at " << x << "," << y;
  }
}

TEST_F(GrippleBoardTest, TargetPictureIsTheTargetInSmallPieces) {
  using namespace gripple_sheet;
  GrippleInit();
  GrippleDraw();
  Bitmap expected = BackgroundBitmap;
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) {
      const Rect at = TargetPiece(c, r);
      ComposeSprite(expected, at.x, at.y, kSmallMask, SmallPiece(GrippleTarget[c - 1][r - 1]), BackgroundBitmap);
    }
  for (int y = 27; y < 162; ++y)
    for (int x = 336; x < 471; ++x) ASSERT_EQ(BoardScreen.bitmap.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
  // A new target replaces the old one completely.
  GrippleMix();
  GrippleDrawTarget();
  const int v = GrippleTarget[0][0];
  Bitmap single = BackgroundBitmap;
  ComposeSprite(single, 336, 27, kSmallMask, SmallPiece(v), BackgroundBitmap);
  for (int y = 27; y < 57; ++y)
    for (int x = 336; x < 366; ++x) ASSERT_EQ(BoardScreen.bitmap.pixel(x, y), single.pixel(x, y));
}

TEST_F(GrippleBoardTest, AMoveAnimatesOnlyThePlateSquareAndEndsAtRest) {
  GrippleInit();
  GrippleDraw();
  GameState[Gripple] = Ready;
  const Bitmap before = BoardScreen.bitmap;
  const GrippleGrid board = GrippleBoard;
  GrippleMouseLeft(105, 225);  // plate 4
  EXPECT_EQ(GameState[Gripple], Running);
  EXPECT_EQ(host.waves, std::vector<int>{4});
  EXPECT_EQ(host.delays, std::vector<std::uint32_t>(5, 30));
  EXPECT_TRUE(testing::FramesChangeOnlyInside(host.frames, before, {40, 160, 130, 130}));
  const GrippleGrid turned = GrippleBoard;
  GrippleBoard = board;
  GrippleTurnLeft(4);
  EXPECT_EQ(GrippleBoard, turned);
  // Right then restores the board and the picture.
  GrippleMouseRight(105, 225);
  EXPECT_EQ(GrippleBoard, board);
  EXPECT_EQ(Difference(before, BoardScreen.bitmap), Rect{});
}

TEST_F(GrippleBoardTest, AMissDoesNothingAtAll) {
  GrippleInit();
  GameState[Gripple] = Ready;
  const GrippleGrid board = GrippleBoard;
  GrippleMouseLeft(45, 45);
  GrippleMouseRight(125, 105);
  EXPECT_EQ(GameState[Gripple], Ready);
  EXPECT_TRUE(host.waves.empty());
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(GrippleBoard, board);
}

TEST_F(GrippleBoardTest, TheSolvingTurnCallsTheSolvedSequence) {
  GrippleInit();
  GrippleBoard = GrippleTarget;
  GrippleTurnLeft(2);
  GameState[Gripple] = Running;
  GrippleMouseRight(225, 105);
  EXPECT_TRUE(GrippleIsSolved());
  EXPECT_EQ(host.solvedCalls, 1);
  GrippleMouseLeft(225, 105);
  EXPECT_FALSE(GrippleIsSolved());
  EXPECT_EQ(host.solvedCalls, 1);
}

}  // namespace
}  // namespace blivo
