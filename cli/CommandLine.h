#pragma once

#include "Problem.h"

#include <string>
#include <utility>
#include <vector>

namespace korvane {

// Exit codes of korvane-calc.
inline constexpr int kExitComputed = 0;
inline constexpr int kExitRefused = 2;   // bad usage, refused value or refused input
inline constexpr int kExitUndefined = 3; // computed, but a shown result is not a number

// What the command line asks for. Options are listed in one table (CommandLine.cpp),
// which the parser and the help text both read.
struct CommandLine {
    std::string calculator;                                       // "" when not given
    std::vector<std::pair<std::string, std::string>> assignments; // NAME=VALUE, in order
    bool json = false;
    bool help = false;
    bool demo = false;
    bool version = false;
    std::string batchPath;    // --batch: a CSV of cases, one a row
    std::string outPath;      // --out: the batch's answer ("-": standard output)
    unsigned threads = 0;     // --threads: 0 for every core
    std::string casePath;     // --case: a .korvane case to start from ("-": standard input)
    std::string saveCasePath; // --save-case: where to write the case that was computed
    std::string reportPath;   // --report: the case's calculation report (.pdf, .html)
    std::string project;      // --project, --engineer: named in the report; by default
    std::string engineer;     //   the names the desktop program remembers
    std::string checker;      // --checker, --reviewer: 校核 and 审核 of the report's sign-off;
    std::string reviewer;     //   by default the names the desktop program remembers
    bool thorough = false;    // --thorough: the circular calculator's thorough search too
    bool codeMethods = false; // --code-methods: the design code's methods beside the form's
    std::string sweep;        // --sweep NAME=FROM:TO:N: one input varied over a range
    std::string results;      // --results A,B: the results a sweep lists (all by default)
    std::string solve;        // --solve NAME=FROM:TO: where a result crosses --target
    std::string target;       // --target RESULT>=VALUE or RESULT<=VALUE
    std::string tolerance;    // --tol: how close --solve brackets a crossing
    // --require NAME=VALUE: a limit to check the results against; --basis NAME=TEXT: its
    // basis. In order, as given.
    std::vector<std::pair<std::string, std::string>> requirements;
    std::vector<std::pair<std::string, std::string>> bases;
};

// Reads argv[1..argc-1] into `line`, or says what it cannot take.
Problem ParseCommandLine(int argc, const char* const* argv, CommandLine& line);

// The options with their value names and descriptions, one per line, for the help text.
std::string OptionHelp();

} // namespace korvane
