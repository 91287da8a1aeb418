// One way to tell whoever debugs the game what went wrong: a line on standard error.
#pragma once

#include <string>

namespace blivo {

// Writes "<program>: <problem>" and a line end to standard error; the program
// is "blivoturnix" unless a program of the game names itself otherwise.
void ReportProblem(const std::string& problem);
void SetReportingProgram(const char* name);

}  // namespace blivo
