#pragma once

#include "CaseData.h"
#include "Problem.h"

#include <string>

namespace korvane {

// The case files of the command line (--case, --save-case), through the case-file
// library; messages are for the user and name the file.

// Reads the case at `path` ("-": standard input).
Problem LoadCaseArgument(const std::string& path, CaseData& data);

// Writes `data` to `path` atomically ("-": standard output).
Problem SaveCaseArgument(const std::string& path, const CaseData& data);

} // namespace korvane
