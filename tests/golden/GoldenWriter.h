#pragma once

// Writes a golden master file in the format GoldenReader.h describes. zlib's gzip
// header carries no time and no name, so the same cases give the same bytes.

#include "GoldenCalcs.h"

#include <zlib.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace korvane;

class GoldenWriter {
public:
    explicit GoldenWriter(const std::string& path)
        : path_(path), file_(gzopen(path.c_str(), "wb9")) {
        if (!file_)
            throw std::runtime_error("cannot write " + path);
    }
    ~GoldenWriter() {
        if (file_)
            gzclose(file_);
    }
    GoldenWriter(const GoldenWriter&) = delete;
    GoldenWriter& operator=(const GoldenWriter&) = delete;

    void Line(const std::string& text) {
        const std::string line = text + "\n";
        if (gzwrite(file_, line.data(), static_cast<unsigned>(line.size())) !=
            static_cast<int>(line.size()))
            throw std::runtime_error("cannot write " + path_);
    }

    template <class Record>
    void Values(const char* key, const GoldenCalc<Record>& calc, Record& r) {
        for (const auto& f : calc.fields)
            Line(std::string(key) + " " + f.name + " " + f.Encode(r));
    }

    void Close(long total) {
        Line("total " + std::to_string(total));
        const int status = gzclose(file_);
        file_ = nullptr;
        if (status != Z_OK)
            throw std::runtime_error("cannot finish " + path_);
    }

private:
    std::string path_;
    gzFile file_;
};
