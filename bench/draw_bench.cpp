// The cost of drawing the boards, each beside a plain copy of as many pixels,
// so the ratio tells what the composing costs.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "platform/picture_file.h"
#include "puzzles/board.h"
#include "puzzles/gripple.h"
#include "puzzles/hexagon.h"
#include "puzzles/oktopus.h"
#include "puzzles/wedding.h"

namespace blivo {
namespace {

void UsePicture(int mode, const char* file) {
  PuzzleMode = static_cast<std::uint8_t>(mode);
  std::string error;
  if (!LoadPicture(std::string(BLIVO_GAME_DIR) + file, BackgroundBitmap, error)) throw std::runtime_error(error);
  BoardBitmap = Bitmap(kBoardWidth, kBoardHeight);
  BoardScreen.bitmap = Bitmap(kBoardWidth, kBoardHeight);
  BoardScreen.shown = nullptr;
  SetPuzzleHost(nullptr);
  Randomize(1);
}

void PlainCopy(benchmark::State& state, int w, int h) {
  UsePicture(Gripple, "b1.bmp");
  for (auto _ : state) {
    BlockCopy(BoardScreen, 0, 0, w, h, BackgroundBitmap, 0, 0, RasterOp::Copy);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

void BM_GrippleRotorFrame(benchmark::State& state) {
  UsePicture(Gripple, "b1.bmp");
  GrippleInit();
  int f = 0;
  for (auto _ : state) {
    GrippleDrawRotor(3, f);
    f = (f + 1) % 6;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 130 * 130);
}
BENCHMARK(BM_GrippleRotorFrame);
BENCHMARK_CAPTURE(PlainCopy, gripple_rotor_130x130, 130, 130);

void BM_GrippleDraw(benchmark::State& state) {
  UsePicture(Gripple, "b1.bmp");
  GrippleInit();
  for (auto _ : state) {
    GrippleDraw();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 500 * 333);
}
BENCHMARK(BM_GrippleDraw);
BENCHMARK_CAPTURE(PlainCopy, board_500x333, 500, 333);

void BM_HexagonRotorFrame(benchmark::State& state) {
  UsePicture(Hexagon, "b2.bmp");
  HexagonVariant = 3;
  HexagonMix();
  int f = 0;
  for (auto _ : state) {
    HexagonDrawRotor(4, f);
    f = (f + 1) % 4;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 56 * 62);
}
BENCHMARK(BM_HexagonRotorFrame);
BENCHMARK_CAPTURE(PlainCopy, hexagon_rotor_56x62, 56, 62);

void BM_HexagonDrawVariant3(benchmark::State& state) {
  UsePicture(Hexagon, "b2.bmp");
  HexagonVariant = 3;
  HexagonMix();
  for (auto _ : state) {
    HexagonDraw();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 500 * 333);
}
BENCHMARK(BM_HexagonDrawVariant3);

void BM_OktopusPlateFrame(benchmark::State& state) {
  UsePicture(Oktopus, "b3.bmp");
  OktopusMix();
  int f = 0;
  for (auto _ : state) {
    OktopusDrawPlate(4, f);
    f = (f + 1) % 3;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 100 * 100);
}
BENCHMARK(BM_OktopusPlateFrame);
BENCHMARK_CAPTURE(PlainCopy, oktopus_plate_100x100, 100, 100);

void BM_OktopusDraw(benchmark::State& state) {
  UsePicture(Oktopus, "b3.bmp");
  OktopusMix();
  for (auto _ : state) {
    OktopusDraw();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 500 * 333);
}
BENCHMARK(BM_OktopusDraw);

void BM_WeddingRingsFrameVariant4(benchmark::State& state) {
  UsePicture(Wedding, "b4.bmp");
  WeddingVariant = 4;
  WeddingMix();
  int f = 0;
  for (auto _ : state) {
    WeddingDrawRings(2, f);
    f = (f + 1) % 3;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 400 * 270);
}
BENCHMARK(BM_WeddingRingsFrameVariant4);
BENCHMARK_CAPTURE(PlainCopy, wedding_area_400x270, 400, 270);

}  // namespace
}  // namespace blivo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
