// Hexagon: its tables against their geometry, and whole moves on a headless board.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

#include "puzzle_fixture.h"
#include "puzzles/hexagon.h"
#include "puzzles/hexagon_sheet.h"

namespace blivo {
namespace {

using testing::Difference;

struct Point {
  int x, y;
  auto operator<=>(const Point&) const = default;
};

Point PillPoint(int r, int p, int f = 0) {
  const BoardPoint at = HexagonRingCentre(r) + HexagonFrameOffset(f, p);
  return {at.x, at.y};
}

int SectorColour(Point p) {
  double degrees = std::atan2(-(p.y - 164.0), p.x - 192.0) * 180.0 / std::numbers::pi;
  if (degrees < 0) degrees += 360.0;
  const int kBySector[6] = {3, 2, 1, 4, 5, 6};
  return kBySector[static_cast<int>(degrees / 60.0)];
}

TEST(HexagonTables, RingsThatShareCellsAreHoneycombNeighbours) {
  std::set<Point> centres;
  for (int r = 1; r <= 37; ++r) {
    const HexagonPlace place = HexagonRingPlace(r);
    EXPECT_EQ((place.column + place.row) % 2, 0) << "ring " << r << " lies on the honeycomb";
    const BoardPoint c = HexagonRingCentre(r);
    centres.insert({c.x, c.y});
  }
  EXPECT_EQ(centres.size(), 37u);
  EXPECT_EQ(HexagonRingCentre(4), hexagon_sheet::kFieldCentre) << "the middle ring sits in the field's centre";
  // Neighbours in a row lie 38 apart; in the rows above and below, 19 across and 33 up or down.
  for (int r = 1; r <= 37; ++r)
    for (int s = r + 1; s <= 37; ++s) {
      int shared = 0;
      for (int p = 0; p < 6; ++p)
        for (int q = 0; q < 6; ++q) shared += HexagonRingCell(r, p) == HexagonRingCell(s, q);
      const BoardPoint d = HexagonRingCentre(s) - HexagonRingCentre(r);
      const bool neighbours = (std::abs(d.x) == 38 && d.y == 0) || (std::abs(d.x) == 19 && std::abs(d.y) == 33);
      EXPECT_EQ(shared, neighbours ? 2 : 0) << "rings " << r << " and " << s;
    }
  // Variant v uses the rings within v steps of the middle ring.
  for (int v = 1; v <= 3; ++v)
    for (int r = 1; r <= HexagonVariants(v).rings; ++r) {
      const HexagonPlace p = HexagonRingPlace(r);
      EXPECT_LE(std::max(std::abs(p.row), (std::abs(p.column) + std::abs(p.row)) / 2), v) << "ring " << r;
    }
}

TEST(HexagonTables, SharedPointsCarryTheSameCellAndNoOther) {
  for (int v = 1; v <= 3; ++v) {
    std::map<Point, int> cellAt;
    std::map<int, Point> pointOf;
    for (int r = 1; r <= HexagonVariants(v).rings; ++r)
      for (int p = 0; p < 6; ++p) {
        const int cell = HexagonRingCell(r, p);
        ASSERT_GE(cell, 1);
        ASSERT_LE(cell, HexagonVariants(v).cells) << "ring " << r << " refers only to its variant's cells";
        const Point at = PillPoint(r, p);
        auto [it, fresh] = cellAt.emplace(at, cell);
        EXPECT_EQ(it->second, cell) << "two cells on one point, ring " << r;
        auto [jt, first] = pointOf.emplace(cell, at);
        EXPECT_EQ(jt->second, at) << "cell " << cell << " on two points";
      }
    EXPECT_EQ(static_cast<int>(pointOf.size()), HexagonVariants(v).cells) << "every cell is used";
  }
}

TEST(HexagonTables, TargetColoursFollowTheSectors) {
  std::map<int, Point> pointOf;
  for (int r = 1; r <= 37; ++r)
    for (int p = 0; p < 6; ++p) pointOf[HexagonRingCell(r, p)] = PillPoint(r, p);
  for (const auto& [cell, at] : pointOf) EXPECT_EQ(HexagonTarget(cell), SectorColour(at)) << "cell " << cell;
  const int perColour[3] = {4, 9, 16};
  for (int v = 1; v <= 3; ++v) {
    std::map<int, int> count;
    for (int c = 1; c <= HexagonVariants(v).cells; ++c) ++count[HexagonTarget(c)];
    for (int colour = 1; colour <= 6; ++colour) EXPECT_EQ(count[colour], perColour[v - 1]);
  }
}

TEST(HexagonTables, FramesStepFifteenDegreesCounterClockwise) {
  for (int p = 0; p < 6; ++p) {
    double previous = 0;
    for (int f = 0; f <= 3; ++f) {
      const BoardPoint d = HexagonFrameOffset(f, p);
      EXPECT_NEAR(std::hypot(d.x, d.y), 22.0, 0.7);
      const double angle = std::atan2(-d.y, d.x) * 180.0 / std::numbers::pi;
      if (f > 0) {
        // Rounded to whole pixels, each step lies between 11 and 19 degrees.
        EXPECT_NEAR(std::remainder(angle - previous, 360.0), 15.0, 4.0) << "position " << p;
      }
      previous = angle;
    }
  }
}

TEST(HexagonTables, ARingsRectangleHoldsNoPillOfAnotherRing) {
  for (int r = 1; r <= 37; ++r) {
    const BoardPoint c = HexagonRingCentre(r);
    std::set<int> own;
    for (int p = 0; p < 6; ++p) own.insert(HexagonRingCell(r, p));
    for (int s = 1; s <= 37; ++s)
      for (int p = 0; p < 6; ++p) {
        if (own.count(HexagonRingCell(s, p))) continue;
        const Point at = PillPoint(s, p);
        const bool overlaps = at.x + 8 >= c.x - 28 && at.x - 9 < c.x + 28 && at.y + 8 >= c.y - 33 && at.y - 9 < c.y + 33;
        EXPECT_FALSE(overlaps) << "ring " << s << " pill " << p << " inside ring " << r;
      }
  }
}

class HexagonBoardTest : public testing::PuzzleBoard {
 protected:
  void SetUp() override {
    Use(Hexagon, "b2.bmp");
    HexagonVariant = 1;
  }
};

TEST_F(HexagonBoardTest, TurnsRestore) {
  for (int v = 1; v <= 3; ++v) {
    HexagonVariant = v;
    HexagonMix();
    const auto board = HexagonBoard;
    for (int r = 1; r <= HexagonVariants(v).rings; ++r) {
      HexagonTurnLeft(r);
      EXPECT_NE(HexagonBoard, board) << "a fresh mix has no ring of one colour";
      HexagonTurnRight(r);
      ASSERT_EQ(HexagonBoard, board);
      for (int i = 0; i < 6; ++i) HexagonTurnLeft(r);
      ASSERT_EQ(HexagonBoard, board);
    }
  }
}

TEST_F(HexagonBoardTest, ALeftTurnGivesEachPositionThePillOfTheNext) {
  for (int c = 1; c <= 24; ++c) HexagonBoard[c] = static_cast<std::uint8_t>(c);
  HexagonTurnLeft(4);
  for (int p = 0; p < 6; ++p) EXPECT_EQ(HexagonBoard[HexagonRingCell(4, p)], HexagonRingCell(4, (p + 1) % 6));
}

// The rest place of a ring that lies nearest to an offset from its centre.
int NearestPosition(BoardPoint offset) {
  std::vector<BoardPoint> rest;
  for (int p = 0; p < 6; ++p) rest.push_back(HexagonFrameOffset(0, p));
  return testing::Nearest(rest, offset);
}

TEST_F(HexagonBoardTest, TheFramesCarryEachPillFromItsPlaceTowardsTheOneTheLeftTurnGivesIt) {
  for (int c = 1; c <= 24; ++c) HexagonBoard[c] = static_cast<std::uint8_t>(c);
  const auto before = HexagonBoard;
  HexagonTurnLeft(4);
  for (int p = 0; p < 6; ++p) {
    int to = -1;
    for (int q = 0; q < 6; ++q)
      if (HexagonBoard[HexagonRingCell(4, q)] == before[HexagonRingCell(4, p)]) to = q;
    EXPECT_EQ(NearestPosition(HexagonFrameOffset(1, p)), p) << "position " << p;
    EXPECT_EQ(NearestPosition(HexagonFrameOffset(3, p)), to) << "position " << p;
  }
}

TEST_F(HexagonBoardTest, MixKeepsTheColourCountsAndMakesAFreshGame) {
  const int perColour[3] = {4, 9, 16};
  for (int v = 1; v <= 3; ++v) {
    HexagonVariant = v;
    GameState[Hexagon] = Running;
    HexagonMix();
    EXPECT_EQ(GameState[Hexagon], Ready);
    std::map<int, int> count;
    for (int c = 1; c <= HexagonVariants(v).cells; ++c) ++count[HexagonBoard[c]];
    for (int colour = 1; colour <= 6; ++colour) EXPECT_EQ(count[colour], perColour[v - 1]);
    EXPECT_FALSE(HexagonIsSolved());
  }
}

TEST_F(HexagonBoardTest, HitTestTakesTheHigherRingInAnOverlap) {
  struct Case {
    int variant, x, y, ring;
  } cases[] = {
      {1, 192, 131, 2}, {1, 173, 131, 1}, {1, 153, 131, 0}, {2, 153, 131, 11}, {3, 153, 131, 11},
      {1, 192, 164, 4}, {1, 154, 98, 0},  {2, 154, 98, 8},  {3, 78, 164, 28},  {2, 78, 164, 0},
  };
  for (const Case& c : cases) {
    HexagonVariant = c.variant;
    EXPECT_EQ(HexagonHitRing(c.x, c.y), c.ring) << c.variant << ": " << c.x << "," << c.y;
  }
}

TEST_F(HexagonBoardTest, AClickOnAPlaceOfABiggerVariantDoesNothing) {
  HexagonMix();
  const auto board = HexagonBoard;
  HexagonMouseLeft(154, 98);
  EXPECT_EQ(GameState[Hexagon], Ready);
  EXPECT_TRUE(host.waves.empty());
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(HexagonBoard, board);
}

TEST_F(HexagonBoardTest, AMoveChangesOnlyTheRingsRectangle) {
  HexagonVariant = 3;
  HexagonMix();
  HexagonDraw();
  const Bitmap before = BoardScreen.bitmap;
  shown.clear();
  HexagonMouseLeft(192, 164);
  EXPECT_EQ(GameState[Hexagon], Running);
  EXPECT_EQ(host.waves, std::vector<int>{2});
  EXPECT_EQ(host.delays, std::vector<std::uint32_t>(3, 40));
  for (const Rect& r : shown) EXPECT_EQ(r, (Rect{164, 133, 56, 62}));
  EXPECT_TRUE(testing::FramesChangeOnlyInside(host.frames, before, {164, 133, 56, 62}));
  HexagonMouseRight(192, 164);
  EXPECT_EQ(Difference(before, BoardScreen.bitmap), Rect{}) << "left then right puts back every pixel";
}

// Every pill shows exactly as its sprite, within the ring's rectangle: the
// field is black wherever pills pass and the disc adds nothing, in every frame.
TEST_F(HexagonBoardTest, PillsShowCleanInEveryFrameAndVariant) {
  for (int v = 1; v <= 3; ++v) {
    HexagonVariant = v;
    HexagonMix();
    HexagonDraw();
    for (int r = 1; r <= HexagonVariants(v).rings; ++r) {
      for (int f : {0, 1, 2, 3}) {
        HexagonDrawRotor(r, f);
        for (int p = 0; p < 6; ++p) {
          const Point at = PillPoint(r, p, f);
          const Rect sprite = hexagon_sheet::Pill(HexagonBoard[HexagonRingCell(r, p)]);
          for (int y = 0; y < sprite.h; ++y)
            for (int x = 0; x < sprite.w; ++x) {
              const Pixel pill = BackgroundBitmap.pixel(sprite.x + x, sprite.y + y);
              // The ring shows 56 x 62 pixels: a pill far out to the side is cut there.
              const int sx = at.x - 9 + x - HexagonRingCentre(r).x;
              if (pill == 0 || sx < -28 || sx > 27) continue;
              ASSERT_EQ(BoardScreen.bitmap.pixel(at.x - 9 + x, at.y - 9 + y), pill)
                  << "variant " << v << " ring " << r << " frame " << f << " position " << p;
            }
        }
      }
      HexagonDrawRotor(r, 0);
    }
  }
}

TEST_F(HexagonBoardTest, OptionStepsWithoutWrapping) {
  HexagonMix();
  GameState[Hexagon] = Running;
  const auto board = HexagonBoard;
  HexagonOption(false);
  EXPECT_EQ(HexagonVariant, 1);
  EXPECT_EQ(GameState[Hexagon], Running);
  EXPECT_EQ(HexagonBoard, board);
  EXPECT_TRUE(shown.empty());
  HexagonOption(true);
  EXPECT_EQ(HexagonVariant, 2);
  EXPECT_EQ(GameState[Hexagon], Ready);
  EXPECT_FALSE(shown.empty());
  HexagonOption(true);
  shown.clear();
  HexagonOption(true);
  EXPECT_EQ(HexagonVariant, 3);
  EXPECT_TRUE(shown.empty());
}

TEST_F(HexagonBoardTest, SolvingRunsTheSolvedSequenceOnce) {
  for (int c = 1; c <= 24; ++c) HexagonBoard[c] = static_cast<std::uint8_t>(HexagonTarget(c));
  HexagonTurnLeft(5);
  GameState[Hexagon] = Running;
  HexagonMouseRight(230, 164);
  EXPECT_TRUE(HexagonIsSolved());
  EXPECT_EQ(host.solvedCalls, 1);
}

}  // namespace
}  // namespace blivo
