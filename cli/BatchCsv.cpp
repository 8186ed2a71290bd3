#include "BatchCsv.h"

#include "Utf8Text.h"

namespace korvane {

namespace {

Problem LineMessage(int line, const char* what) {
    return Problem("CSV 第 " + std::to_string(line) + " 行：" + what);
}

bool NeedsQuotes(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") != std::string::npos)
        return true;
    // At the start of a file, a byte order mark in the first cell would be taken for
    // the file's own.
    if (cell.starts_with(kUtf8ByteOrderMark))
        return true;
    // Blanks at the ends survive a spreadsheet only inside quotes.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !cell.empty() && (blank(cell.front()) || blank(cell.back()));
}

} // namespace

CsvReader::CsvReader(std::string_view bytes) : bytes_(bytes) {
    if (bytes_.starts_with(kUtf8ByteOrderMark)) {
        style_.byteOrderMark = true;
        bytes_.remove_prefix(kUtf8ByteOrderMark.size());
    }
    const std::size_t firstEnd = bytes_.find('\n');
    style_.crlf =
        firstEnd != std::string_view::npos && firstEnd > 0 && bytes_[firstEnd - 1] == '\r';
}

Problem CsvReader::Next(CsvRow& row, int& rowLine, bool& found) {
    const std::string_view bytes = bytes_;
    std::size_t& i = at_;
    int& line = line_;
    found = false;
    row.clear();
    while (i < bytes.size()) {
        // An empty line (LF or CRLF alone) is no row.
        if (bytes[i] == '\n') {
            ++i;
            ++line;
            continue;
        }
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            i += 2;
            ++line;
            continue;
        }
        break;
    }
    if (i >= bytes.size())
        return {};
    rowLine = line;
    for (;;) { // one cell per pass
        std::string cell;
        if (i < bytes.size() && bytes[i] == '"') {
            const int quoteLine = line;
            ++i;
            for (;;) {
                if (i == bytes.size())
                    return LineMessage(quoteLine, "引号没有结束");
                const char c = bytes[i++];
                if (c == '"') {
                    if (i < bytes.size() && bytes[i] == '"') {
                        cell += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (c == '\n')
                    ++line;
                cell += c;
            }
            if (i < bytes.size() && bytes[i] != ',' && bytes[i] != '\n' &&
                !(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
                return LineMessage(line, "右引号后面只能是逗号或行尾");
        } else {
            while (i < bytes.size() && bytes[i] != ',' && bytes[i] != '\n' &&
                   !(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
                if (bytes[i] == '"')
                    return LineMessage(line, "没有用引号括起的格子里有引号（格子里的引号要写成"
                                             "两个，整格用引号括起）");
                // A carriage return alone is a line end of old Macintosh files, which
                // would otherwise make the whole file one row.
                if (bytes[i] == '\r')
                    return LineMessage(line, "行尾只有回车（CR），请把文件存为 LF 或 CRLF 行尾");
                cell += bytes[i++];
            }
        }
        row.push_back(std::move(cell));
        if (i < bytes.size() && bytes[i] == ',') {
            ++i;
            continue;
        }
        break;
    }
    // The row ends at a line end or at the end of the text.
    if (i < bytes.size()) {
        i += bytes[i] == '\r' ? 2 : 1;
        ++line;
    }
    found = true;
    return {};
}

Problem ParseCsv(std::string_view bytes, CsvTable& table, std::size_t maxRows) {
    table = {};
    CsvReader reader(bytes);
    table.style = reader.Style();
    CsvRow row;
    int line = 0;
    bool found = false;
    while (table.rows.size() < maxRows) {
        if (Problem problem = reader.Next(row, line, found))
            return problem;
        if (!found)
            break;
        table.rows.push_back(row);
        table.lines.push_back(line);
    }
    return {};
}

void AppendCsvRow(std::string& out, const CsvRow& row, const CsvStyle& style) {
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (c > 0)
            out += ',';
        // Whatever bytes the input held, the answer is UTF-8.
        const std::string checked = IsValidUtf8(row[c]) ? std::string() : ValidUtf8(row[c]);
        const std::string& cell = checked.empty() ? row[c] : checked;
        if (NeedsQuotes(cell) || (row.size() == 1 && cell.empty())) {
            out += '"';
            for (char ch : cell) {
                if (ch == '"')
                    out += '"';
                out += ch;
            }
            out += '"';
        } else {
            out += cell;
        }
    }
    out += style.crlf ? "\r\n" : "\n";
}

} // namespace korvane
