#pragma once

namespace korvane {

// korvane-calc --help: usage, options, and each calculator's lists, inputs (with their
// defaults and ranges), results and internal values, under headings of their own.
void PrintHelp();

} // namespace korvane
