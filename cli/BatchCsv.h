#pragma once

#include "Problem.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Comma-separated values as RFC 4180 writes them, read leniently in what a
// spreadsheet or a text editor leaves behind: CRLF or LF line ends, a UTF-8 byte
// order mark, a last line with or without its line end. A quoted cell may hold
// commas, doubled quotes and line ends. Plain C++, no toolkit.

using CsvRow = std::vector<std::string>;

// How a file was written, so that the answer to it can be written the same way.
struct CsvStyle {
    bool byteOrderMark = false;
    bool crlf = false; // the first line end was CRLF
};

struct CsvTable {
    std::vector<CsvRow> rows;
    std::vector<int> lines; // the line each row starts on, counted from 1
    CsvStyle style;
};

// Reads the rows of `bytes` one at a time, so that a long file need not be held as a
// table: the same rules as ParseCsv, which it serves.
class CsvReader {
public:
    explicit CsvReader(std::string_view bytes);
    const CsvStyle& Style() const { return style_; }
    // The next row into `row` with the line it starts on; `found` false at the end.
    // A problem names the line that is no CSV.
    Problem Next(CsvRow& row, int& rowLine, bool& found);

private:
    std::string_view bytes_;
    CsvStyle style_;
    std::size_t at_ = 0;
    int line_ = 1;
};

// Parses `bytes` into `table`. Says, when the text is no CSV (a quote that is
// never closed, text after a closing quote, a quote inside an unquoted cell), a Chinese
// message naming the line; `table` then holds the rows before it. An empty line is no
// row. At most `maxRows` rows are read (the rest is not looked at).
Problem ParseCsv(std::string_view bytes, CsvTable& table,
                 std::size_t maxRows = static_cast<std::size_t>(-1));

// One row as a line of CSV with its line end: a cell is quoted when it holds a comma,
// a quote, a line end or blanks at either end, when it starts with a byte order mark, or when the
// row is a single empty cell (which would otherwise read back as an empty line).
void AppendCsvRow(std::string& out, const CsvRow& row, const CsvStyle& style);

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace korvane
