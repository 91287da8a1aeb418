// What the game spends at start on the versions its log header and help
// layer want: each reads a program file's section table and its record.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/file_version.h"

namespace blivo {
namespace {

void ReadVersion(benchmark::State& state, const char* program) {
  const std::string path = std::string(BLIVO_GAME_DIR) + program;
  for (auto _ : state) benchmark::DoNotOptimize(ReadProgramVersion(path));
}
BENCHMARK_CAPTURE(ReadVersion, game, "blivoturnix");
BENCHMARK_CAPTURE(ReadVersion, help_viewer, "blivoturnix-help");

}  // namespace
}  // namespace blivo
