#pragma once

#include "CommandLine.h"
#include "DesignLimits.h"
#include "Problem.h"

#include <string_view>

namespace korvane {

// The command line's --require and --basis over the limits a case file gave: each
// NAME a limit of `calculator`, each value a positive number, given once; a basis for a
// limit that is neither given nor in the case is refused too.
Problem ApplyRequirements(std::string_view calculator, const CommandLine& line,
                          DesignLimits& limits);

} // namespace korvane
