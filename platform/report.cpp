#include "platform/report.h"

#include <cstdio>

namespace blivo {

void ReportProblem(const std::string& problem) { std::fprintf(stderr, "blivoturnix: %s\n", problem.c_str()); }

}  // namespace blivo
