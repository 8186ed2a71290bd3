#pragma once

#include "CaseData.h"
#include "CommandLine.h"
#include "Problem.h"

#include <string>

namespace korvane {

// Whether `path` names a report format (.pdf, .html, .htm).
Problem ReportPathProblem(const std::string& path);

// Writes the calculation report of `data` to line.reportPath (PDF or HTML by its
// suffix), naming line.project, the engineer, checker and reviewer or, when not given, the names
// the desktop program remembers.
Problem WriteReportArgument(const CommandLine& line, const CaseData& data);

} // namespace korvane
