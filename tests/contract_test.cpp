// What the four puzzles do alike: a turn either way, and the option button.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "puzzle_fixture.h"
#include "puzzles/current_puzzle.h"
#include "puzzles/gripple.h"
#include "puzzles/hexagon.h"
#include "puzzles/oktopus.h"
#include "puzzles/wedding.h"

namespace blivo {
namespace {

using testing::Difference;

// A puzzle's move constants, and a solved board to turn on.
struct Puzzle {
  std::string name;
  int mode;
  const char* picture;
  int sound, frames;
  std::uint32_t delay;
  void (*solve)();  // sets up a solved arrangement, the same for the same seed
  bool (*isSolved)();
  void (*drawFrame)(int rotor, int frame);
};

struct TurnCase {
  Puzzle puzzle;
  std::string direction;
  bool framesFirst;           // frames 1..N over the old arrangement, then the permutation
  int rotor;
  std::function<void()> undo;   // the opposite turn of the rotor, on the arrangement alone
  std::function<void()> click;  // the click that turns it back
};

void SolveGripple() {
  GripplePatternNo = 0;  // Mix draws again while it meets the last pattern
  GrippleInit();
  GrippleBoard = GrippleTarget;
}

void SolveHexagon() {
  HexagonVariant = 1;
  HexagonMix();
  for (int c = 1; c <= 96; ++c) HexagonBoard[c] = static_cast<std::uint8_t>(HexagonTarget(c));
}

void SolveOktopus() {
  OktopusMix();
  for (const auto& [first, second] : OktopusPairs())
    OktopusPlates[first.plate][first.slot] = OktopusPlates[second.plate][second.slot];
}

void SolveWedding() {
  WeddingVariant = 1;
  WeddingMix();
  for (int c = 1; c <= 46; ++c) WeddingBoard[c] = static_cast<std::uint8_t>(WeddingTarget(1, c));
}

std::vector<TurnCase> Cases() {
  const Puzzle gripple{"Gripple", Gripple, "b1.bmp", 4, 5, 30, SolveGripple, GrippleIsSolved, GrippleDrawRotor};
  const Puzzle hexagon{"Hexagon", Hexagon, "b2.bmp", 2, 3, 40, SolveHexagon, HexagonIsSolved, HexagonDrawRotor};
  const Puzzle oktopus{"Oktopus", Oktopus, "b3.bmp", 3, 2, 50, SolveOktopus, OktopusIsSolved, OktopusDrawPlate};
  const Puzzle wedding{"Wedding", Wedding, "b4.bmp", 5, 2, 30, SolveWedding, WeddingIsSolved, WeddingDrawRings};
  return {
      {gripple, "Left", true, 3, [] { GrippleTurnRight(3); }, [] { GrippleMouseLeft(165, 165); }},
      {gripple, "Right", false, 3, [] { GrippleTurnLeft(3); }, [] { GrippleMouseRight(165, 165); }},
      {hexagon, "Left", true, 4, [] { HexagonTurnRight(4); }, [] { HexagonMouseLeft(192, 164); }},
      {hexagon, "Right", false, 4, [] { HexagonTurnLeft(4); }, [] { HexagonMouseRight(192, 164); }},
      {oktopus, "Left", false, 4, [] { OktopusShiftRight(4); }, [] { OktopusMouseLeft(230, 166); }},
      {oktopus, "Right", true, 4, [] { OktopusShiftLeft(4); }, [] { OktopusMouseRight(230, 166); }},
      {wedding, "Left", true, 1, [] { WeddingStepBack(1); }, [] { WeddingMouseLeft(100); }},
      {wedding, "Right", false, 2, [] { WeddingStepForward(2); }, [] { WeddingMouseRight(400); }},
  };
}

class SolvingTurn : public testing::PuzzleBoard, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(SolvingTurn, RunsTheWholeCourseAndThenTheSolvedSequenceOnce) {
  const TurnCase& c = GetParam();
  const Puzzle& puzzle = c.puzzle;
  Use(puzzle.mode, puzzle.picture);
  puzzle.solve();
  ASSERT_TRUE(puzzle.isSolved());
  c.undo();
  ASSERT_FALSE(puzzle.isSolved()) << "the opposite turn must change the board";
  GameState[puzzle.mode] = Running;

  c.click();

  EXPECT_TRUE(puzzle.isSolved());
  EXPECT_EQ(host.solvedCalls, 1);
  std::vector<std::string> course{"wave " + std::to_string(puzzle.sound)};
  for (int f = 0; f < puzzle.frames; ++f) course.push_back("delay " + std::to_string(puzzle.delay));
  course.push_back("solved");
  EXPECT_EQ(host.calls, course);
  // The rest frame is on the screen before the solved sequence begins.
  EXPECT_EQ(Difference(host.solvedFrame, BoardScreen.bitmap), Rect{});
}

TEST_P(SolvingTurn, ShowsTheFramesInTheOrderOfItsDirection) {
  const TurnCase& c = GetParam();
  const Puzzle& puzzle = c.puzzle;
  Use(puzzle.mode, puzzle.picture);
  puzzle.solve();
  c.undo();
  c.click();
  const std::vector<Bitmap> frames = host.frames;
  ASSERT_EQ(static_cast<int>(frames.size()), puzzle.frames);

  // The same arrangement again: the old one for a direction that draws before
  // it permutes, the new one for the other.
  Randomize(kSeed);
  puzzle.solve();
  if (c.framesFirst) c.undo();
  for (int i = 0; i < puzzle.frames; ++i) {
    const int f = c.framesFirst ? i + 1 : puzzle.frames - i;
    puzzle.drawFrame(c.rotor, f);
    EXPECT_EQ(Difference(frames[i], BoardScreen.bitmap), Rect{}) << "frame " << f << " shown as number " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryPuzzleEitherWay, SolvingTurn, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TurnCase>& info) {
                           return info.param.puzzle.name + info.param.direction;
                         });

class OptionButton : public testing::PuzzleBoard {};

TEST_F(OptionButton, GrippleAndOktopusHaveNoVariantsAndAreLeftAlone) {
  for (const auto& [mode, picture] : {std::pair{Gripple, "b1.bmp"}, std::pair{Oktopus, "b3.bmp"}}) {
    Use(mode, picture);
    PuzzleInit();
    GameState[mode] = Running;
    const auto gripple = GrippleBoard;
    const auto oktopus = OktopusPlates;
    EXPECT_FALSE(PuzzleHasOption(mode));
    EXPECT_FALSE(PuzzleOption(true));
    EXPECT_FALSE(PuzzleOption(false));
    EXPECT_EQ(GameState[mode], Running);
    EXPECT_EQ(GrippleBoard, gripple);
    EXPECT_EQ(OktopusPlates, oktopus);
    EXPECT_TRUE(shown.empty());
  }
}

TEST_F(OptionButton, HexagonAndWeddingStepTheirVariantAndStartAFreshGame) {
  struct Case {
    int mode;
    const char* picture;
    int* variant;
    int last;
  } cases[] = {{Hexagon, "b2.bmp", &HexagonVariant, 3}, {Wedding, "b4.bmp", &WeddingVariant, 4}};
  for (const Case& c : cases) {
    Use(c.mode, c.picture);
    *c.variant = 1;
    PuzzleInit();
    EXPECT_TRUE(PuzzleHasOption(c.mode));
    for (int v = 2; v <= c.last; ++v) {
      GameState[c.mode] = Running;
      shown.clear();
      EXPECT_TRUE(PuzzleOption(true));
      EXPECT_EQ(*c.variant, v);
      EXPECT_EQ(GameState[c.mode], Ready);
      EXPECT_FALSE(shown.empty()) << "the new variant is drawn at once";
    }
    // At the end of the range the button is still there but changes nothing.
    GameState[c.mode] = Running;
    shown.clear();
    EXPECT_TRUE(PuzzleOption(true));
    EXPECT_EQ(*c.variant, c.last);
    EXPECT_EQ(GameState[c.mode], Running);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(PuzzleOption(false));
    EXPECT_EQ(*c.variant, c.last - 1);
  }
}

}  // namespace
}  // namespace blivo
