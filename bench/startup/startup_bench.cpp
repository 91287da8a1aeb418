// How long the game takes from exec to its first painted board, against a bare
// Qt window of the same size, and how much memory each needs at its peak.
// Usage: startup_bench GAME BARE [PAIRS]
// Runs PAIRS pairs (at least 10), alternating which of the two goes first, on
// the display in DISPLAY; the game runs with music off and a settings file
// that asks no question, and ends at its first painted board
// (BLIVO_EXIT_AFTER_FIRST_PAINT). Prints the median and range of the ratio of
// the times in each pair and the median peak memory of each program.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Run {
  double milliseconds = 0;
  long peakKilobytes = 0;
  bool ok = false;
};

Run Start(const std::string& program, const std::string& config) {
  Run run;
  const auto begin = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("BLIVO_EXIT_AFTER_FIRST_PAINT", "1", 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return run;
  run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
  run.peakKilobytes = usage.ru_maxrss;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench GAME BARE [PAIRS]\n");
    return 2;
  }
  const std::string game = argv[1], bare = argv[2];
  const int pairs = std::max(10, argc > 3 ? std::atoi(argv[3]) : 15);
  const std::string config = std::filesystem::temp_directory_path() / ("startup-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(config + "/BlivoGames/BlivoTurnix");
  std::ofstream(config + "/BlivoGames/BlivoTurnix/V1.ini") << "[common]\ntongue=0\nmusic=0\n";

  // The first runs fill the caches; they are not counted.
  for (int i = 0; i < 3; ++i) Start(game, config), Start(bare, config);
  std::vector<double> ratios, gameTimes, bareTimes, gamePeaks, barePeaks;
  for (int i = 0; i < pairs; ++i) {
    Run g, b;
    if (i % 2 == 0) {
      g = Start(game, config);
      b = Start(bare, config);
    } else {
      b = Start(bare, config);
      g = Start(game, config);
    }
    if (!g.ok || !b.ok) {
      std::fprintf(stderr, "startup_bench: a run failed (game %s, bare window %s)\n", g.ok ? "ok" : "failed",
                   b.ok ? "ok" : "failed");
      return 1;
    }
    std::printf("pair %2d: game %6.1f ms %6ld KiB   bare %6.1f ms %6ld KiB   ratio %.2f\n", i + 1, g.milliseconds,
                g.peakKilobytes, b.milliseconds, b.peakKilobytes, g.milliseconds / b.milliseconds);
    ratios.push_back(g.milliseconds / b.milliseconds);
    gameTimes.push_back(g.milliseconds);
    bareTimes.push_back(b.milliseconds);
    gamePeaks.push_back(g.peakKilobytes / 1024.0);
    barePeaks.push_back(b.peakKilobytes / 1024.0);
  }
  std::filesystem::remove_all(config);
  std::printf("exec to first painted board: game %.1f ms, bare window %.1f ms (medians of %d pairs)\n",
              Median(gameTimes), Median(bareTimes), pairs);
  std::printf("ratio game / bare window: median %.2f, range %.2f to %.2f\n", Median(ratios),
              *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()));
  std::printf("peak memory: game %.1f MiB, bare window %.1f MiB (medians), ratio %.2f\n", Median(gamePeaks),
              Median(barePeaks), Median(gamePeaks) / Median(barePeaks));
  return 0;
}
