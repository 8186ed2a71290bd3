#pragma once

#include "CaseData.h"
#include "CommandLine.h"

#include <string>

namespace korvane {

// "" when `path` names a report format (.pdf, .html, .htm), else the message.
std::string ReportPathProblem(const std::string& path);

// Writes the calculation report of `data` to line.reportPath (PDF or HTML by its
// suffix), naming line.project and line.engineer or, when not given, the names the
// desktop program remembers. Returns "" or the message for the user.
std::string WriteReportArgument(const CommandLine& line, const CaseData& data);

} // namespace korvane
