#pragma once

// Reads a golden master file, data/<calc>.golden.gz: gzip-compressed text, one item a
// line, fields separated by one space.
//
//   # ...                      comment (the header); only before the first case
//   case N                     cases are numbered 0, 1, 2, ... in file order
//   lists C [S]                list positions passed to the calculation: concrete,
//                              and for the slope calculations the stirrup steel
//   in NAME VALUE              the record before the calculation: every field of the
//                              record once, in field order (see GoldenFields.h)
//   refused MESSAGE            only when the calculation refused; the rest of the line
//   undefined NAME NAME ...    only when results are undefined; names in the order
//                              the calculation gave them
//   out NAME VALUE             the record after the calculation, as `in`
//   end
//   total N                    last line: the number of cases, so a cut file fails
//
// VALUE is 16 lower-case hex digits of a double's bit pattern, or an int in decimal.
// Every record starts from its default constructor; the `in` lines then set all that
// the calculation reads.

#include <zlib.h>

#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace korvane;

struct GoldenCase {
    long number = -1;
    std::vector<int> lists;
    std::vector<std::pair<std::string, std::string>> in, out;
    std::string refusal; // empty: computed
    std::vector<std::string> undefined;
};

class GoldenReader {
public:
    explicit GoldenReader(const std::string& path) : file_(gzopen(path.c_str(), "rb")) {
        if (!file_)
            error_ = "cannot open " + path;
    }
    ~GoldenReader() {
        if (file_)
            gzclose(file_);
    }
    GoldenReader(const GoldenReader&) = delete;
    GoldenReader& operator=(const GoldenReader&) = delete;

    // The next case; false at the end of the file or on an error (see Error()).
    bool Next(GoldenCase& c) {
        c = GoldenCase{};
        if (total_ >= 0)
            return false;
        std::string_view line;
        while (ReadLine(line) && line.starts_with("#")) {
        }
        if (!error_.empty())
            return false;
        if (line.starts_with("total ")) {
            total_ = std::stol(std::string(line.substr(6)));
            if (ReadLine(line))
                return Fail("text after the total");
            return false;
        }
        if (!line.starts_with("case "))
            return Fail("expected \"case\", found \"" + std::string(line) + "\"");
        c.number = std::stol(std::string(line.substr(5)));
        while (ReadLine(line)) {
            const auto space = line.find(' ');
            const std::string_view key = line.substr(0, space);
            const std::string_view rest =
                space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
            if (key == "end")
                return true;
            if (key == "lists") {
                for (const std::string_view word : Words(rest))
                    c.lists.push_back(std::stoi(std::string(word)));
            } else if (key == "in" || key == "out") {
                const auto words = Words(rest);
                if (words.size() != 2)
                    return Fail("bad value line \"" + std::string(line) + "\"");
                (key == "in" ? c.in : c.out).emplace_back(words[0], words[1]);
            } else if (key == "refused") {
                c.refusal = rest;
            } else if (key == "undefined") {
                for (const std::string_view word : Words(rest))
                    c.undefined.emplace_back(word);
            } else {
                return Fail("unknown line \"" + std::string(line) + "\"");
            }
        }
        return error_.empty() ? Fail("the file ends inside a case") : false;
    }

    const std::string& Error() const { return error_; }
    // The count on the last line, or -1 when the file has not been read to it.
    long Total() const { return total_; }

private:
    bool ReadLine(std::string_view& line) {
        if (!file_ || !error_.empty())
            return false;
        if (!gzgets(file_, buffer_, sizeof buffer_)) {
            int code = Z_OK;
            const char* message = gzerror(file_, &code);
            if (code != Z_OK)
                error_ = std::string("gzip: ") + message;
            else if (total_ < 0)
                error_ = "the file ends without its total";
            return false;
        }
        const std::size_t length = std::strlen(buffer_);
        if (length == 0 || buffer_[length - 1] != '\n') {
            int code = Z_OK;
            const char* message = gzerror(file_, &code);
            error_ = code != Z_OK   ? std::string("gzip: ") + message
                     : gzeof(file_) ? "the file ends inside a line"
                                    : "a line longer than " + std::to_string(sizeof buffer_ - 2);
            return false;
        }
        line = std::string_view(buffer_, length - 1);
        ++lineNumber_;
        return true;
    }

    bool Fail(const std::string& what) {
        error_ = "line " + std::to_string(lineNumber_) + ": " + what;
        return false;
    }

    static std::vector<std::string_view> Words(std::string_view text) {
        std::vector<std::string_view> words;
        while (!text.empty()) {
            const auto space = text.find(' ');
            words.push_back(text.substr(0, space));
            if (space == std::string_view::npos)
                break;
            text.remove_prefix(space + 1);
        }
        return words;
    }

    gzFile file_;
    char buffer_[4096];
    std::string error_;
    long total_ = -1;
    long lineNumber_ = 0;
};
