#include "platform/report.h"

#include <cstdio>

namespace blivo {

namespace {

const char* program = "blivoturnix";

}  // namespace

void SetReportingProgram(const char* name) { program = name; }

void ReportProblem(const std::string& problem) { std::fprintf(stderr, "%s: %s\n", program, problem.c_str()); }

}  // namespace blivo
