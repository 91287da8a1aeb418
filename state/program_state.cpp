#include "state/program_state.h"

namespace blivo {

std::string ProgramFolder;
std::int32_t Language = -1;
std::string ScoreListKey;
bool FirstActivation = false;

}  // namespace blivo
