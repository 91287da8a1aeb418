// Program-wide state that lives beside the main window. The state the puzzles
// share (PuzzleMode, GameState, PlayTime, the bitmaps) is in puzzles/board.h.
#pragma once

#include <cstdint>
#include <string>

namespace blivo {

extern std::string ProgramFolder;  // with a trailing separator
extern std::int32_t Language;      // -1 not chosen, 0 English, 1 German
extern std::string ScoreListKey;
extern bool FirstActivation;

inline bool German() { return Language == 1; }

}  // namespace blivo
