// Oktopus: its tables against their geometry, and whole moves on a headless board.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "puzzle_fixture.h"
#include "puzzles/oktopus.h"
#include "puzzles/oktopus_sheet.h"

namespace blivo {
namespace {

using testing::ComposeSprite;
using testing::Difference;

TEST(OktopusTables, PairsJoinTouchingSlotsOfNeighbours) {
  std::set<std::pair<int, int>> used;
  for (const auto& [a, b] : OktopusPairs()) {
    const BoardPoint ca = OktopusPlateCorner(a.plate), cb = OktopusPlateCorner(b.plate);
    const BoardPoint ba = OktopusButtonCentre(0, a.slot), bb = OktopusButtonCentre(0, b.slot);
    // The two buttons face each other across the plates' common edge.
    const double gap = std::hypot(ca.x + ba.x - cb.x - bb.x, ca.y + ba.y - cb.y - bb.y);
    EXPECT_LT(gap, 35.0);
    EXPECT_TRUE(used.insert({a.plate, a.slot}).second);
    EXPECT_TRUE(used.insert({b.plate, b.slot}).second);
  }
  EXPECT_EQ(used.size(), 24u);
}

TEST(OktopusTables, FramesTurnTheButtonsClockwiseOnOneCircle) {
  for (int k = 0; k < 8; ++k) {
    double previous = 0;
    for (int f = 0; f <= 2; ++f) {
      const BoardPoint b = OktopusButtonCentre(f, k);
      EXPECT_NEAR(std::hypot(b.x - 49, b.y - 50), 34.0, 1.5);
      const double angle = std::atan2(b.y - 50.0, b.x - 49.0) * 180.0 / 3.14159265;  // clockwise on screen
      if (f > 0) {
        EXPECT_NEAR(std::remainder(angle - previous, 360.0), 15.0, 4.0) << "slot " << k;
      }
      previous = angle;
    }
  }
}

// The slot whose button at rest lies nearest to a point of the plate's square.
int NearestSlot(BoardPoint at) {
  std::vector<BoardPoint> rest;
  for (int k = 0; k < 8; ++k) rest.push_back(OktopusButtonCentre(0, k));
  return testing::Nearest(rest, at);
}

// The frames turn clockwise, the way the right button shifts the buttons.
TEST(OktopusTables, TheFramesCarryEachButtonFromItsSlotTowardsTheOneTheRightTurnGivesIt) {
  for (int k = 0; k < 8; ++k) OktopusPlates[0][k] = static_cast<std::uint8_t>(k);
  OktopusShiftRight(0);
  for (int k = 0; k < 8; ++k) {
    int to = -1;
    for (int j = 0; j < 8; ++j)
      if (OktopusPlates[0][j] == k) to = j;
    EXPECT_EQ(NearestSlot(OktopusButtonCentre(1, k)), k) << "slot " << k;
    EXPECT_EQ(NearestSlot(OktopusButtonCentre(2, k)), to) << "slot " << k;
  }
}

TEST(OktopusHit, EveryPixelOfTheSquareButItsLeftColumnAndTopRow) {
  struct Case {
    int x, y, plate;
  } cases[] = {
      {81, 17, 0},   {179, 115, 0}, {80, 50, -1},  {130, 16, -1}, {180, 50, -1}, {181, 50, 1},
      {280, 250, -1}, {379, 315, 8}, {380, 300, -1}, {300, 316, -1}, {230, 216, -1}, {230, 217, 7},
      {85, 20, 0},   {50, 50, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(OktopusHitPlate(c.x, c.y), c.plate) << c.x << "," << c.y;
}

class OktopusBoardTest : public testing::PuzzleBoard {
 protected:
  void SetUp() override { Use(Oktopus, "b3.bmp"); }
};

TEST_F(OktopusBoardTest, ShiftsRestore) {
  OktopusMix();
  const auto plates = OktopusPlates;
  for (int i = 0; i < 9; ++i) {
    OktopusShiftLeft(i);
    EXPECT_EQ(OktopusPlates[i][0], plates[i][1]);
    EXPECT_EQ(OktopusPlates[i][7], plates[i][0]);
    OktopusShiftRight(i);
    ASSERT_EQ(OktopusPlates, plates);
    for (int n = 0; n < 8; ++n) OktopusShiftLeft(i);
    ASSERT_EQ(OktopusPlates, plates);
  }
}

// Looks for one turn of each plate that solves the board, plate by plate.
bool Solvable(std::array<std::array<std::uint8_t, 8>, 9> plates, int i = 0) {
  if (i == 9) {
    OktopusPlates = plates;
    return OktopusIsSolved();
  }
  for (int turn = 0; turn < 8; ++turn) {
    bool fits = true;
    for (const auto& [a, b] : OktopusPairs())
      if (b.plate == i && a.plate < i) fits = fits && plates[a.plate][a.slot] == plates[i][b.slot];
    if (fits && Solvable(plates, i + 1)) return true;
    std::rotate(plates[i].begin(), plates[i].begin() + 1, plates[i].end());
  }
  return false;
}

TEST_F(OktopusBoardTest, AMixedBoardCanBeSolvedByTurningEachPlate) {
  for (int game = 0; game < 20; ++game) {
    OktopusMix();
    EXPECT_TRUE(Solvable(OktopusPlates)) << "game " << game;
  }
}

TEST_F(OktopusBoardTest, OnlyTheTwelvePairsCount) {
  OktopusMix();
  ASSERT_TRUE(Solvable(OktopusPlates));
  ASSERT_TRUE(OktopusIsSolved());
  // Diagonal slots and the straight slots at the grid's edge never matter.
  for (const auto& [plate, slot] : std::vector<std::pair<int, int>>{{0, 1}, {4, 3}, {8, 7}, {0, 0}, {0, 6}, {8, 2}, {5, 2}}) {
    OktopusPlates[plate][slot] = static_cast<std::uint8_t>((OktopusPlates[plate][slot] + 1) % 8);
    EXPECT_TRUE(OktopusIsSolved()) << plate << "/" << slot;
  }
  OktopusPlates[4][0] = static_cast<std::uint8_t>((OktopusPlates[4][0] + 1) % 8);
  EXPECT_FALSE(OktopusIsSolved());
}

// The touching buttons, found from the grid: the right slot of a plate meets
// the left slot of its right neighbour, the bottom slot the top slot below.
std::vector<std::pair<OktopusSlot, OktopusSlot>> TouchingButtons() {
  std::vector<std::pair<OktopusSlot, OktopusSlot>> pairs;
  for (int i = 0; i < 9; ++i) {
    if (i % 3 < 2) pairs.push_back({{i, 2}, {i + 1, 6}});
    if (i / 3 < 2) pairs.push_back({{i, 4}, {i + 3, 0}});
  }
  return pairs;
}

TEST_F(OktopusBoardTest, BreakingAnyOneOfTheTwelvePairsUnsolvesTheBoard) {
  OktopusMix();
  const auto pairs = TouchingButtons();
  ASSERT_EQ(pairs.size(), 12u);
  for (const auto& [a, b] : pairs) OktopusPlates[a.plate][a.slot] = OktopusPlates[b.plate][b.slot];
  ASSERT_TRUE(OktopusIsSolved());
  for (const auto& [a, b] : pairs)
    for (const OktopusSlot& side : {a, b}) {
      std::uint8_t& button = OktopusPlates[side.plate][side.slot];
      const std::uint8_t kept = button;
      button = static_cast<std::uint8_t>((kept + 1) % 8);
      EXPECT_FALSE(OktopusIsSolved()) << "plate " << side.plate << " slot " << side.slot;
      button = kept;
    }
  EXPECT_TRUE(OktopusIsSolved());
}

TEST_F(OktopusBoardTest, AMoveShowsOnlyThePlatesSquareWithEachButtonOnItsSlot) {
  OktopusMix();
  OktopusDraw();
  const Bitmap before = BoardScreen.bitmap;
  shown.clear();
  GameState[Oktopus] = Ready;
  OktopusMouseRight(250, 150);  // plate 4
  EXPECT_EQ(GameState[Oktopus], Running);
  EXPECT_EQ(host.waves, std::vector<int>{3});
  EXPECT_EQ(host.delays, std::vector<std::uint32_t>(2, 50));
  for (const Rect& r : shown) EXPECT_EQ(r, (Rect{180, 116, 100, 100}));
  EXPECT_TRUE(testing::FramesChangeOnlyInside(host.frames, before, {180, 116, 100, 100}));
  // At rest: the plate on its place and each button centred on its slot.
  using namespace oktopus_sheet;
  Bitmap expected = BackgroundBitmap;
  ComposeSprite(expected, 180, 116, PlateMask(0), Plate(0), BackgroundBitmap);
  for (int k = 0; k < 8; ++k) {
    // Buttons go on with OR alone: wherever a button has colour, it shows.
    const BoardPoint b = OktopusButtonCentre(0, k);
    const Rect sprite = Button(OktopusPlates[4][k]);
    for (int y = 0; y < sprite.h; ++y)
      for (int x = 0; x < sprite.w; ++x) {
        const Pixel button = BackgroundBitmap.pixel(sprite.x + x, sprite.y + y);
        if (button != 0) expected.setPixel(180 + b.x - 6 + x, 116 + b.y - 6 + y, button);
      }
  }
  for (int y = 116; y < 216; ++y)
    for (int x = 180; x < 280; ++x) ASSERT_EQ(BoardScreen.bitmap.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
  OktopusMouseLeft(250, 150);
  EXPECT_EQ(Difference(before, BoardScreen.bitmap), Rect{});
}

TEST_F(OktopusBoardTest, ButtonsLandOnBlackSocketsInEveryFrame) {
  // The buttons go on with OR alone, so the plate must be black under them.
  using namespace oktopus_sheet;
  for (int f = 0; f < 3; ++f)
    for (int k = 0; k < 8; ++k) {
      const BoardPoint b = OktopusButtonCentre(f, k);
      const Rect plate = Plate(f);
      for (int y = 0; y < kButtonSize; ++y)
        for (int x = 0; x < kButtonSize; ++x) {
          bool covered = false;
          for (int c = 0; c < 8; ++c)
            covered = covered || BackgroundBitmap.pixel(Button(c).x + x, Button(c).y + y) != 0;
          if (!covered) continue;
          ASSERT_EQ(BackgroundBitmap.pixel(plate.x + b.x - kButtonSize / 2 + x, plate.y + b.y - kButtonSize / 2 + y), 0u)
              << "frame " << f << " slot " << k;
        }
    }
}

TEST_F(OktopusBoardTest, MissesDoNothingAndSolvingRunsTheSequence) {
  OktopusMix();
  GameState[Oktopus] = Ready;
  OktopusMouseLeft(180, 150);
  EXPECT_TRUE(host.waves.empty());
  EXPECT_EQ(GameState[Oktopus], Ready);
  ASSERT_TRUE(Solvable(OktopusPlates));
  OktopusShiftRight(8);
  OktopusMouseLeft(350, 280);
  EXPECT_TRUE(OktopusIsSolved());
  EXPECT_EQ(host.solvedCalls, 1);
}

}  // namespace
}  // namespace blivo
