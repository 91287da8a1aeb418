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

struct TurnCase {
  std::string name;
  int mode;
  const char* picture;
  int sound, frames;
  std::uint32_t delay;
  std::function<void()> solve;      // sets up the solved arrangement
  std::function<void()> undo;       // the opposite turn, on the arrangement alone
  std::function<void()> click;      // the click that turns it back
  std::function<bool()> isSolved;
};

void SolveGripple() {
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
  return {
      {"GrippleLeft", Gripple, "b1.bmp", 4, 5, 30, SolveGripple, [] { GrippleTurnRight(3); },
       [] { GrippleMouseLeft(165, 165); }, GrippleIsSolved},
      {"GrippleRight", Gripple, "b1.bmp", 4, 5, 30, SolveGripple, [] { GrippleTurnLeft(3); },
       [] { GrippleMouseRight(165, 165); }, GrippleIsSolved},
      {"HexagonLeft", Hexagon, "b2.bmp", 2, 3, 40, SolveHexagon, [] { HexagonTurnRight(4); },
       [] { HexagonMouseLeft(192, 164); }, HexagonIsSolved},
      {"HexagonRight", Hexagon, "b2.bmp", 2, 3, 40, SolveHexagon, [] { HexagonTurnLeft(4); },
       [] { HexagonMouseRight(192, 164); }, HexagonIsSolved},
      {"OktopusLeft", Oktopus, "b3.bmp", 3, 2, 50, SolveOktopus, [] { OktopusShiftRight(4); },
       [] { OktopusMouseLeft(230, 166); }, OktopusIsSolved},
      {"OktopusRight", Oktopus, "b3.bmp", 3, 2, 50, SolveOktopus, [] { OktopusShiftLeft(4); },
       [] { OktopusMouseRight(230, 166); }, OktopusIsSolved},
      {"WeddingLeft", Wedding, "b4.bmp", 5, 2, 30, SolveWedding, [] { WeddingStepBack(1); },
       [] { WeddingMouseLeft(100); }, WeddingIsSolved},
      {"WeddingRight", Wedding, "b4.bmp", 5, 2, 30, SolveWedding, [] { WeddingStepForward(2); },
       [] { WeddingMouseRight(400); }, WeddingIsSolved},
  };
}

class SolvingTurn : public testing::PuzzleBoard, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(SolvingTurn, RunsTheWholeCourseAndThenTheSolvedSequenceOnce) {
  const TurnCase& c = GetParam();
  Use(c.mode, c.picture);
  c.solve();
  ASSERT_TRUE(c.isSolved());
  c.undo();
  ASSERT_FALSE(c.isSolved()) << "the opposite turn must change the board";
  GameState[c.mode] = Running;

  c.click();

  EXPECT_TRUE(c.isSolved());
  EXPECT_EQ(host.solvedCalls, 1);
  std::vector<std::string> course{"wave " + std::to_string(c.sound)};
  for (int f = 0; f < c.frames; ++f) course.push_back("delay " + std::to_string(c.delay));
  course.push_back("solved");
  EXPECT_EQ(host.calls, course);
  // The rest frame is on the screen before the solved sequence begins.
  EXPECT_EQ(Difference(host.solvedFrame, BoardScreen.bitmap), Rect{});
}

INSTANTIATE_TEST_SUITE_P(EveryPuzzleEitherWay, SolvingTurn, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TurnCase>& info) { return info.param.name; });

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
