// One way to tell whoever debugs the game what went wrong: a line on standard error.
#pragma once

#include <string>

namespace blivo {

// Writes "blivoturnix: <problem>" and a line end to standard error.
void ReportProblem(const std::string& problem);

}  // namespace blivo
